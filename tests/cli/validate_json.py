#!/usr/bin/env python3
"""Checks JSON files against a JSON Schema (draft 2020-12) with python3-jsonschema.

Usage: validate_json.py SCHEMA FILE...

The schema itself must be valid and describe every property it names. Prints each error with
its file and place. Exit status: 0 every file is valid, 1 something is not, 77 (skipped)
python3-jsonschema is not installed.
"""
import json
import sys

try:
    from jsonschema import Draft202012Validator
except ImportError:
    print("validate_json: python3-jsonschema is not installed "
          "(scripts/install-deps.sh installs it)", file=sys.stderr)
    sys.exit(77)


def undocumented(node, place):
    """The places of the properties in the schema that have no description."""
    if isinstance(node, dict):
        for name, value in node.get("properties", {}).items():
            if isinstance(value, dict) and "description" not in value:
                yield f"{place}/properties/{name}"
        for key, value in node.items():
            yield from undocumented(value, f"{place}/{key}")
    elif isinstance(node, list):
        for index, value in enumerate(node):
            yield from undocumented(value, f"{place}/{index}")


def main(arguments):
    if len(arguments) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with open(arguments[0], encoding="utf-8") as file:
        schema = json.load(file)
    Draft202012Validator.check_schema(schema)
    failed = False
    for place in undocumented(schema, "#"):
        print(f"{arguments[0]}: {place} has no description")
        failed = True
    validator = Draft202012Validator(schema)
    for path in arguments[1:]:
        with open(path, encoding="utf-8") as file:
            document = json.load(file)
        errors = sorted(validator.iter_errors(document), key=lambda e: list(map(str, e.path)))
        for error in errors[:20]:
            place = "/".join(str(part) for part in error.absolute_path) or "(the document)"
            print(f"{path}: {place}: {error.message[:300]}")
        failed = failed or bool(errors)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
