# The Debian package: the program folder in /opt/censaria, the launcher on PATH, the
# menu entry. The archive lives in /var/opt/censaria and the daily copies in
# /var/opt/censaria-copie, which the package never ships: its postinst creates them
# where missing, so no install, upgrade, removal or purge can overwrite or delete the
# pupils' results. The data folder reaches them by links. The empty archive for new
# export media is the program's own file: shipped, root's, read-only.
set(program_dir /${CENSARIA_INSTALL_DIR})
set(archive_dir /var/opt/censaria)
set(copies_dir /var/opt/censaria-copie)

# makearchive --server and movetoserver are the technician's, for a school archive on a server.
install(TARGETS makearchive dailycopy movetoserver RUNTIME DESTINATION ${CENSARIA_INSTALL_DIR}/libexec)
install(CODE "
    set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    file(MAKE_DIRECTORY \"\${root}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ${program_dir}/censaria \"\${root}/${CMAKE_INSTALL_BINDIR}/censaria\" SYMBOLIC)
    file(CREATE_LINK ${archive_dir}/dbcensaria.mdb \"\${root}${program_dir}/perCensaria/dbcensaria.mdb\" SYMBOLIC)
    file(CREATE_LINK ${copies_dir} \"\${root}${program_dir}/perCensaria/copie\" SYMBOLIC)
    set(template \"\${root}${program_dir}/perCensaria/exportcensa.mdb\")
    execute_process(COMMAND \"$<TARGET_FILE:makearchive>\" --if-missing \"\${template}\" COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD \"\${template}\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
")

# The system user censaria-copia makes the daily copies, once a day, into a folder the
# pupils can read but not change; the service can write nowhere else.
configure_file(${CMAKE_CURRENT_LIST_DIR}/systemd/censaria-copia.service.in censaria-copia.service @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/censaria-copia.service ${CMAKE_CURRENT_LIST_DIR}/systemd/censaria-copia.timer
    DESTINATION lib/systemd/system)

configure_file(${CMAKE_CURRENT_LIST_DIR}/preinst.in preinst @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/postinst.in postinst @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/prerm.in prerm @ONLY)
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
the members of the group censaria only; a service of its own keeps a copy of it
every day for a week, every week for a month and every month for half a year.")
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them; adduser makes the group.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-translations-l10n, fonts-dejavu-core, adduser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/preinst ${CMAKE_CURRENT_BINARY_DIR}/postinst
    ${CMAKE_CURRENT_BINARY_DIR}/prerm ${CMAKE_CURRENT_BINARY_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
