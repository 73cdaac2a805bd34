# Writes and installs a runtime library's .pc file; run by the install
# script with TEMPLATE, LIBRARY, WIDTH, VERSION and WORK set. The file names
# the prefix the tree is installed to, known only now (cmake --install
# --prefix, cpack). Each destination gets its own copy in WORK, so that
# installs into several prefixes at once do not mix their files.

set(prefix "${CMAKE_INSTALL_PREFIX}")
set(library "${LIBRARY}")
set(width "${WIDTH}")
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
configure_file("${TEMPLATE}" "${WORK}/${destination}/${LIBRARY}.pc" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/pkgconfig" TYPE FILE FILES "${WORK}/${destination}/${LIBRARY}.pc")
