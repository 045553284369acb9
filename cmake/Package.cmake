# `cpack -G DEB` in the build folder makes orvanta_<version>_<arch>.deb from the
# installed tree under /usr, with its dependencies read off the binaries by
# dpkg-shlibdeps (from dpkg-dev).
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "The Orvanta developers")
set(CPACK_PACKAGE_CONTACT "Orvanta developers <orvanta@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one day in the Julian, Gregorian, Jewish and Moslem calendars")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta holds one selected day and shows it at once in the Julian, Gregorian,
Jewish and Moslem calendars: a monthly window with the month in the four
calendars and the day's facts (year day, week, week day, moon age, Julian Day),
four year windows and a moon-phase window. orvanta-convert converts dates in a
terminal with the same calendar engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvanta.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds no font without one installed; DejaVu is the program's dialog font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)

include(CPack)
