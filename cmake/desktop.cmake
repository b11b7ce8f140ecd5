# Installing the programs where a desktop finds them, the sample configuration and the manual pages,
# and the Debian package (cpack). The help stays built into the editor.

set(ORV_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS orvedit orvtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORV_DATA}/orvedit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORV_DATA}/orvedit-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME orvedit.xml)
install(FILES ${ORV_DATA}/org.orvane.orvedit.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORV_DATA}/icons/orvedit.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ORV_ICON_SIZES})
  install(FILES ${ORV_DATA}/icons/hicolor/${size}x${size}/apps/orvedit.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${ORV_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The changes of each version, in Debian's changelog form and compressed as Debian keeps it.
find_program(GZIP gzip REQUIRED)
set(ORV_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${ORV_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E copy ${ORV_DATA}/changelog ${PROJECT_BINARY_DIR}/changelog
  COMMAND ${GZIP} -9nf ${PROJECT_BINARY_DIR}/changelog
  DEPENDS ${ORV_DATA}/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(orv_changelog ALL DEPENDS ${ORV_CHANGELOG})
install(FILES ${ORV_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The sample: its text applied to a blank image (8192 zero bytes) by orvtool, as a user would.
set(ORV_SAMPLE_TEXT ${PROJECT_SOURCE_DIR}/samples/club-repeater.txt)
set(ORV_SAMPLE ${PROJECT_BINARY_DIR}/samples/club-repeater.orv)
add_custom_command(
  OUTPUT ${ORV_SAMPLE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/samples
  COMMAND ${CMAKE_COMMAND} -E rm -f ${PROJECT_BINARY_DIR}/samples/blank.orv
  COMMAND truncate -s 8192 ${PROJECT_BINARY_DIR}/samples/blank.orv
  COMMAND orvtool apply ${PROJECT_BINARY_DIR}/samples/blank.orv ${ORV_SAMPLE_TEXT}
          --memory-saves 4 --output ${ORV_SAMPLE}
  DEPENDS orvtool ${ORV_SAMPLE_TEXT}
  COMMENT "Applying the sample configuration"
  VERBATIM)
add_custom_target(orv_sample ALL DEPENDS ${ORV_SAMPLE})
install(FILES ${ORV_SAMPLE} ${ORV_SAMPLE_TEXT}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/orvedit/samples)

# Manual pages: orvtool's made by help2man from its --help, which lists every command's options
# from the table the parser reads, and its --version; the editor's written by hand. Both are
# compressed as Debian keeps them.
find_program(HELP2MAN help2man REQUIRED)
set(ORV_MAN ${PROJECT_BINARY_DIR}/man)
add_custom_command(
  OUTPUT ${ORV_MAN}/orvtool.1.gz ${ORV_MAN}/orvedit.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_MAN}
  COMMAND ${HELP2MAN} --no-info --no-discard-stderr --include ${ORV_DATA}/orvtool.h2m
          --name "read and change ORVANE repeater controller configuration files"
          --section 1 --output ${ORV_MAN}/orvtool.1 $<TARGET_FILE:orvtool>
  COMMAND ${GZIP} -9nf ${ORV_MAN}/orvtool.1
  COMMAND ${CMAKE_COMMAND} -E copy ${ORV_DATA}/orvedit.1 ${ORV_MAN}/orvedit.1
  COMMAND ${GZIP} -9nf ${ORV_MAN}/orvedit.1
  DEPENDS orvtool ${ORV_DATA}/orvedit.1 ${ORV_DATA}/orvtool.h2m
  COMMENT "Making the manual pages"
  VERBATIM)
add_custom_target(orv_manuals ALL DEPENDS ${ORV_MAN}/orvtool.1.gz ${ORV_MAN}/orvedit.1.gz)
install(FILES ${ORV_MAN}/orvtool.1.gz ${ORV_MAN}/orvedit.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: orvedit_VERSION_ARCH.deb, its library dependencies computed from the
# programs, plus the Qt platform plugins the programs load at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvedit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration editor for the ORVANE repeater controller")
# Each line of the description at most 80 characters, as Debian's checker wants them.
set(CPACK_PACKAGE_DESCRIPTION
    "Opens the 8 KB configuration memory of the ORVANE repeater controller\n\
(a .orv file), edits each area of it (DTMF codes, timers, zones, voice\n\
messages, macros, scheduler, speed dials, courtesy tones, CW identification,\n\
switches and inputs) in its own dialog, prints a listing and saves the file\n\
byte for byte. orvtool reads, compares and changes the files from the\n\
command line.")
set(CPACK_PACKAGE_CONTACT "ORVANE editor developers <orvedit@example.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ORVANE editor developers <orvedit@example.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The speech synthesiser and the print service's library are loaded when first needed (a voice
# message heard, a job printed), so the package names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libespeak-ng1, libcups2")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)
include(CPack)
