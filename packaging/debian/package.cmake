# The Debian package: the program folder in /opt/censaria, the launcher on PATH, the
# menu entry. The archives live in /var/opt/censaria, which the package never ships:
# its postinst creates them where missing, so no install, upgrade, removal or purge
# can overwrite or delete the pupils' results. The data folder reaches them by links.
set(program_dir /${CENSARIA_INSTALL_DIR})
set(archive_dir /var/opt/censaria)

# makearchive --server and movetoserver are the technician's, for a school archive on a server.
install(TARGETS makearchive movetoserver RUNTIME DESTINATION ${CENSARIA_INSTALL_DIR}/libexec)
install(CODE "
    set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    file(MAKE_DIRECTORY \"\${root}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ${program_dir}/censaria \"\${root}/${CMAKE_INSTALL_BINDIR}/censaria\" SYMBOLIC)
    foreach(entry dbcensaria.mdb exportcensa.mdb copie)
        file(CREATE_LINK ${archive_dir}/\${entry} \"\${root}${program_dir}/perCensaria/\${entry}\" SYMBOLIC)
    endforeach()
")

configure_file(${CMAKE_CURRENT_LIST_DIR}/preinst.in preinst @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/postinst.in postinst @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/postrm.in postrm @ONLY)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME censaria)
set(CPACK_PACKAGE_VENDOR Censaria)
set(CPACK_PACKAGE_CONTACT "Censaria maintainers <maintainers@users.noreply.c-seed-b265a6c2.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "population studies courseware for lower secondary school (Italian)")
set(CPACK_PACKAGE_DESCRIPTION "Censaria is classroom courseware on population studies, entirely in Italian:
lessons, true/false questionnaires, exercises on population balances and rates,
a growth simulation, the age pyramids of three countries and ten family histories.
Every result is kept per pupil in an archive in /var/opt/censaria, writable by
the members of the group censaria.")
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them; adduser makes the group.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-translations-l10n, fonts-dejavu-core, adduser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/preinst ${CMAKE_CURRENT_BINARY_DIR}/postinst ${CMAKE_CURRENT_BINARY_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
