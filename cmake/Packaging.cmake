# The installed analyser and its Debian package (scripts/package.sh runs CPack).
#
# CORVANE_INSTALL_DIR (/opt/corvane-log-analyzer) holds both executables and
# Server.ini and is root's alone; the installed program reads and updates its
# catalogues in CORVANE_DATA_DIR (/var/lib/corvane-log-analyzer), which the group
# corvane may write.  The package's maintainer scripts (packaging/debian, configured
# with both paths) make the data directory, create the catalogues there from the demo
# copies and leave them alone ever after.  /usr/bin holds absolute links to the
# executables: the program finds its directory from the executable's real path, not
# from the link.

set(CORVANE_PACKAGE corvane-log-analyzer)
if(NOT CORVANE_DATA_DIR MATCHES "^/.")
  message(FATAL_ERROR "CORVANE_DATA_DIR must be an absolute path, not \"${CORVANE_DATA_DIR}\"")
endif()
string(REGEX REPLACE "^/" "" CORVANE_PROGRAM_DIR ${CORVANE_INSTALL_DIR})
set(CORVANE_DEMO_DIR usr/share/${CORVANE_PACKAGE}/demo)
set(CORVANE_DOC_DIR usr/share/doc/${CORVANE_PACKAGE})
set(CORVANE_APP_ID example.corvane.LogAnalyzer)
set(CORVANE_MAINTAINER "Corvane Log Analyzer Maintainers <maintainers@corvane.example>")
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated}/bin)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(executables corvane-scan)
if(CORVANE_BUILD_APP)
  list(APPEND executables corvane-log-analyzer)
endif()
foreach(exe ${executables})
  install(TARGETS ${exe} RUNTIME DESTINATION ${CORVANE_PROGRAM_DIR})
  file(CREATE_LINK /${CORVANE_PROGRAM_DIR}/${exe} ${generated}/bin/${exe} SYMBOLIC)
  install(FILES ${generated}/bin/${exe} DESTINATION usr/bin)
endforeach()

# The data directory, empty: the maintainer scripts give it to the group and put the
# catalogues there.
string(REGEX REPLACE "^/" "" data_dir ${CORVANE_DATA_DIR})
install(DIRECTORY DESTINATION ${data_dir})

install(FILES ${CMAKE_SOURCE_DIR}/demo/ServiceList.ini ${CMAKE_SOURCE_DIR}/demo/ErrorList.ini
              ${CMAKE_SOURCE_DIR}/demo/Server.ini
        DESTINATION ${CORVANE_DEMO_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/demo/logs DESTINATION ${CORVANE_DEMO_DIR}
        FILES_MATCHING PATTERN "*.log")

# The desktop entry, the icon and the metainfo, whose release is this version.
install(FILES ${packaging}/${CORVANE_APP_ID}.desktop DESTINATION usr/share/applications)
configure_file(${packaging}/${CORVANE_APP_ID}.metainfo.xml.in
               ${generated}/${CORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${CORVANE_APP_ID}.metainfo.xml DESTINATION usr/share/metainfo)
set(icon ${packaging}/${CORVANE_PACKAGE}.svg)
install(FILES ${icon} DESTINATION usr/share/icons/hicolor/scalable/apps)
find_program(CORVANE_RSVG_CONVERT rsvg-convert)
if(CORVANE_RSVG_CONVERT)
  set(pngs)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${generated}/icons/${size}x${size}/${CORVANE_PACKAGE}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
      COMMAND ${CORVANE_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon}
      DEPENDS ${icon} VERBATIM)
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION usr/share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(corvane_icons ALL DEPENDS ${pngs})
else()
  message(STATUS "rsvg-convert not found: no PNG icons (scripts/install-deps.sh installs it)")
endif()

# The manual pages, compressed as Debian keeps them.
set(manpages)
foreach(page corvane-scan.1 corvane-log-analyzer.1)
  set(gz ${generated}/man/${page}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/man/${page} ${generated}/man/${page}
    COMMAND gzip -9nf ${generated}/man/${page}
    DEPENDS ${packaging}/man/${page} VERBATIM)
  list(APPEND manpages ${gz})
endforeach()
add_custom_target(corvane_manpages ALL DEPENDS ${manpages})
install(FILES ${manpages} DESTINATION usr/share/man/man1)

# The copyright file, the changelog and the one lintian finding the layout makes.
execute_process(COMMAND date -u -R -d "${CORVANE_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE CORVANE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORVANE_MAINTAINER})
configure_file(${packaging}/debian/changelog.in ${generated}/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${generated}/changelog OUTPUT_FILE ${generated}/changelog.gz
                COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${packaging}/debian/copyright ${generated}/changelog.gz DESTINATION ${CORVANE_DOC_DIR})
install(FILES ${packaging}/debian/lintian-overrides DESTINATION usr/share/lintian/overrides
        RENAME ${CORVANE_PACKAGE})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${CORVANE_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "log analyser for the operators of Corvane installations")
# Below the summary; CPack indents each line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Scans a day of Corvane service logs against the service and error catalogues
and shows per service the known and unknown errors with their explanations;
groups unknown errors into patterns, keeps a history of the runs and exports
them as CSV or HTML.  Newer catalogues are fetched from the update server at
every start.  corvane-scan does the same on the command line.
.
Members of the group corvane may update the catalogues, which are kept in
${CORVANE_DATA_DIR}.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://corvane.example/corvane-log-analyzer/")
# Libraries found by dpkg-shlibdeps; besides them the font that shows the Chinese
# text, Qt's own Chinese texts, and addgroup for the maintainer script.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, fonts-wqy-microhei, qt6-translations-l10n")
foreach(script postinst postrm)
  configure_file(${packaging}/debian/${script}.in ${generated}/debian/${script} @ONLY)
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${generated}/debian/postinst ${generated}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
