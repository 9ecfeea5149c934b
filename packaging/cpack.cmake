# The Debian package, built by scripts/package.sh: cpack --config <build>/CPackConfig.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME delvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Delvora developers")
set(CPACK_PACKAGE_CONTACT "Delvora Developer <dev@delvora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random dungeon generator for game masters")
set(CPACK_PACKAGE_DESCRIPTION
    "Delvora grows dungeon plans for tabletop role-playing games room by room on a
16-pixel grid: floors and walls on speckled rock, doors, concealed and secret
doors, archways, stairs, numbered rooms, an optional river or chasm. The same
seed and options always give the same dungeon.

Every numbered room can be dressed with a description, a sound, a smell, an
item, a trap and a treasure, and every door with a material, a lock state and a
trap. Maps and dressing print on one page or at 25 mm a grid square.

The package holds the desktop program and delvora-cli, which writes maps,
dressing reports, PDFs and virtual-tabletop scenes from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://delvora.example/")
# The libraries come from the binaries; sensible-utils gives "sensible-editor", the editor the
# program falls back on for dressing files. Printouts use Liberation Sans when it is there, for
# text that measures as the layout expects.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "sensible-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
