# Where an installed Orvanta lives, under any prefix (/usr, /usr/local, a staging folder):
#   bin/orvanta, bin/orvanta-convert        the programs, on the PATH
#   share/orvanta/                          the program's folder: Moon.bmp, the language files
#   share/applications, share/metainfo,
#   share/icons/hicolor, share/man/man1     the desktop's own places
# The program finds its folder relative to its executable, so a staged or relocated tree
# works as well as the packaged one; the build tree keeps everything in build/bin.
include(GNUInstallDirs)

set(ORVANTA_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvanta)

# The program's folder as seen from the installed executable's folder ("../share/orvanta").
file(RELATIVE_PATH ORVANTA_INSTALLED_DATA_FOLDER
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ORVANTA_INSTALL_DATA_DIR})
