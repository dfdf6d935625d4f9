# Install helpers for every folder: manual pages and other documents are installed gzipped, as a
# Debian package wants them. Included before the sources, so that any program's folder can use it.
include(GNUInstallDirs)

string(TIMESTAMP FWU_MAN_DATE "%B %Y" UTC)
set(FWU_VERSION "${FWU_VERSION_MAJOR}.${FWU_VERSION_MINOR}.${FWU_VERSION_REVISION}")

find_program(FWU_GZIP gzip REQUIRED)

# Configures a text file and installs it gzipped (-n: no name or time stamp inside).
function(fwu_install_gzipped template name destination)
    set(plain "${CMAKE_CURRENT_BINARY_DIR}/${name}")
    configure_file("${template}" "${plain}" @ONLY)
    add_custom_command(OUTPUT "${plain}.gz"
        COMMAND "${FWU_GZIP}" -9nf -k "${plain}"
        DEPENDS "${plain}"
        COMMENT "Compressing ${name}")
    string(MAKE_C_IDENTIFIER "fwu_gz_${name}" target)
    add_custom_target(${target} ALL DEPENDS "${plain}.gz")
    install(FILES "${plain}.gz" DESTINATION "${destination}")
endfunction()

# A manual page in section 1 from NAME.1.in, with @FWU_VERSION@, @FWU_MAN_DATE@ and the other
# @FWU_...@ values filled in. The package test checks that it names exactly the options of the
# program's --help.
function(fwu_install_man_page template)
    get_filename_component(name "${template}" NAME_WLE)
    fwu_install_gzipped("${template}" "${name}" "${CMAKE_INSTALL_MANDIR}/man1")
endfunction()

