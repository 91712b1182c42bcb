# RTF files open on the command line like any document: --dump shows their
# text and the checksums of all pictures, drawn metafiles included, a renamed binary file is refused with the
# German message, and --render-png draws their metafile pictures.
set(rtf_environment "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR}" "VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config")
set(rtf_fixtures ${PROJECT_SOURCE_DIR}/tests/fixtures/rtf)

add_test(NAME cli.dump_rtf_fields COMMAND vendaro --dump ${rtf_fixtures}/fields.rtf)
set_tests_properties(cli.dump_rtf_fields PROPERTIES
  PASS_REGULAR_EXPRESSION "\"text\": \"A\\[FIELD FormFieldName: Vorgabe\\] BLink \\[FIELD page: 1\\]\""
  ENVIRONMENT "${rtf_environment}" LABELS cli)

add_test(NAME cli.dump_rtf_picture_checksum COMMAND vendaro --dump ${rtf_fixtures}/pictures.rtf)
set_tests_properties(cli.dump_rtf_picture_checksum PROPERTIES
  PASS_REGULAR_EXPRESSION "\"Checksum\": \"259189b9\""
  ENVIRONMENT "${rtf_environment}" LABELS cli)

add_test(NAME cli.dump_refuses_a_renamed_binary_rtf COMMAND vendaro --dump ${rtf_fixtures}/renamed_binary.rtf)
set_tests_properties(cli.dump_refuses_a_renamed_binary_rtf PROPERTIES
  PASS_REGULAR_EXPRESSION "Konnte Datei .*renamed_binary.rtf nicht .*ffnen!"
  ENVIRONMENT "${rtf_environment}" LABELS cli)

if(VENDARO_BUILD_APP)
  # The drawn metafile pictures (a WMF and an EMF) have their checksums in the
  # dump too: the command hands such files to the window program's raster.
  foreach(checksum 0e2e2a90 a35f2ab8)
    add_test(NAME cli.dump_rtf_metafile_${checksum} COMMAND vendaro --dump ${rtf_fixtures}/pictures.rtf)
    set_tests_properties(cli.dump_rtf_metafile_${checksum} PROPERTIES
      PASS_REGULAR_EXPRESSION "\"Checksum\": \"${checksum}\""
      ENVIRONMENT "${rtf_environment}" LABELS cli)
  endforeach()
  add_test(NAME cli.render_png_rtf_metafiles
           COMMAND vendaro --render-png ${CMAKE_BINARY_DIR}/test-config/rtf.png --zoom 25 ${rtf_fixtures}/pictures.rtf)
  set_tests_properties(cli.render_png_rtf_metafiles PROPERTIES ENVIRONMENT "${rtf_environment}" LABELS cli)
endif()
