// The generator's option table (dv_options): every option of delvora-cli with its kind, range or
// choice words and captions, default, help and the caption of its control. The page offers the
// options marked web; their values are texts as the command line takes them ("800x600", "13"),
// a flag's "on" or "off".

export class OptionTable {
  constructor(rows) {
    this.rows = rows.filter((row) => row.web);
    this.byName = new Map(this.rows.map((row) => [row.name, row]));
  }

  row(name) {
    return this.byName.get(name);
  }

  // The values with which a run starts.
  defaults() {
    return Object.fromEntries(this.rows.map((row) => [row.name, row.default]));
  }

  // The query of values, in the table's order: a flag by its name when on, any other option as
  // name=value. The generator reads it as it reads a link.
  query(values) {
    const parts = [];
    for (const row of this.rows) {
      const value = values[row.name];
      // An integer with no text was not given (see OptionsForm: "not given" entries).
      if (value === undefined || (row.kind === 'integer' && value === '')) continue;
      if (row.kind === 'flag') {
        if (value === 'on') parts.push(row.name);
      } else {
        parts.push(`${row.name}=${encodeURIComponent(value)}`);
      }
    }
    return '?' + parts.join('&');
  }
}

// A flag named "no-..." turns off what its caption names: its box is checked while it is off.
export function captionIsOpposite(row) {
  return row.kind === 'flag' && row.name.startsWith('no-');
}
