# Installing Tabulo as a desktop program, and the Debian package made from that install.
#
#   cmake --install build --prefix /usr      # or DESTDIR=... for a staging folder
#   cd build && cpack -G DEB                 # tabulo_<version>_<arch>.deb
#
# The program, its desktop entry, icons, file type, AppStream entry, the man pages of both
# programs, the licence terms, the changelog and the sample databases are installed here;
# the help file and the tabulo-cli program install themselves from their own folders.

include(GNUInstallDirs)

set(TABULO_APP_ID org.tabulo.Tabulo)
set(TABULO_RELEASE_DATE 2026-12-06)
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)

# Compresses a file for the package: -n leaves out the name and time, so that the same
# input always gives the same bytes. The result joins the files that desktop_files makes.
function(tabulo_gzip input output)
    add_custom_command(
        OUTPUT ${output}
        COMMAND gzip -9 -n -c ${input} > ${output}
        DEPENDS ${input}
        COMMENT "Compressing ${output}")
    set(compressed_docs ${compressed_docs} ${output} PARENT_SCOPE)
endfunction()

install(TARGETS tabulo tabulo-designer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Desktop entry, file type and AppStream entry, named after the program's id so that the
# desktop ties the running window to its entry.
install(FILES ${packaging_dir}/${TABULO_APP_ID}.desktop
              ${packaging_dir}/org.tabulo.TabuloDesigner.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/tabulo-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TABULO_APP_ID}.xml)
configure_file(${packaging_dir}/${TABULO_APP_ID}.metainfo.xml.in
               ${packaging_out}/${TABULO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${packaging_out}/${TABULO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The man pages, with the version filled in and compressed as Debian keeps them. A new
# program adds its page, docs/<program>.1, to this list.
set(TABULO_MAN_PAGES tabulo.1 tabulo-cli.1 tabulo-designer.1)
set(compressed_docs)
foreach(page ${TABULO_MAN_PAGES})
    configure_file(${PROJECT_SOURCE_DIR}/docs/${page} ${packaging_out}/${page} @ONLY)
    tabulo_gzip(${packaging_out}/${page} ${packaging_out}/${page}.gz)
    install(FILES ${packaging_out}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The package's licence terms and history, where Debian keeps them.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tabulo)
install(FILES ${packaging_dir}/copyright DESTINATION ${doc_dir})
tabulo_gzip(${packaging_dir}/changelog ${packaging_out}/changelog.gz)
install(FILES ${packaging_out}/changelog.gz DESTINATION ${doc_dir})

# The program icon: the SVG for the scalable folder, PNGs rendered from it for the
# fixed sizes (2x screens pick the doubled ones).
find_package(Qt6 REQUIRED COMPONENTS Svg)
add_executable(iconpng ${packaging_dir}/iconpng.cpp)
target_link_libraries(iconpng PRIVATE Qt6::Svg Qt6::Gui)
set(icon_svg ${packaging_dir}/icons/tabulo.svg)
set(icon_pngs)
foreach(size 16 22 24 32 48 64 128 256 512)
    set(png ${packaging_out}/icons/${size}x${size}/tabulo.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}/icons/${size}x${size}
        COMMAND iconpng ${icon_svg} ${size} ${png}
        DEPENDS iconpng ${icon_svg}
        COMMENT "Rendering the ${size}x${size} program icon"
        VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
add_custom_target(desktop_files ALL DEPENDS ${icon_pngs} ${compressed_docs})

# The sample databases, built by the samples target.
install(FILES ${PROJECT_BINARY_DIR}/samples/Contacts.Tbd ${PROJECT_BINARY_DIR}/samples/Cities.Tbd
              ${PROJECT_BINARY_DIR}/samples/Inventory.Tbd ${PROJECT_BINARY_DIR}/samples/Books.Tbd
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tabulo/samples)

# The Debian package. Its library dependencies come from dpkg-shlibdeps; the Qt platform
# plugins are loaded at run time, where dpkg-shlibdeps cannot see them, so they are named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulo)
set(CPACK_PACKAGE_VENDOR Tabulo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "record editor for single-file databases")
set(CPACK_PACKAGE_CONTACT "Tabulo maintainers <maintainers@tabulo.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders as Debian wants them (rwxr-xr-x) whatever the umask, and the control files'
# owner and modes as dpkg itself makes them.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, fonts-liberation")
# The summary is the package's first description line; this text follows it, each line
# under 80 characters with the blank that the control file puts before it.
set(CPACK_PACKAGE_DESCRIPTION
    "Tabulo opens a database kept in one .Tbd file, whose header carries its own
data-entry form and a VBScript program. It shows one record at a time, page
by page; edits, adds, duplicates and marks records deleted; searches; picks
records from a sortable grid; prints; exports to CSV; and packs the file.

Sample databases (contacts, inventory, book list) are installed in
/usr/share/tabulo/samples.")
include(CPack)
