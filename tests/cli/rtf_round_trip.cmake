# Documents written as RTF and read back keep their frames, texts, tables
# and pictures, and are written as the same RTF again; each document runs
# through tests/cli/checks/rtf_round_trip_check.cmake.
# layout.lpx holds a bulleted list, which comes back as literal text;
# anchored_paragraphs.rtf holds objects at paragraphs further down the page.
set(round_trip_sources rtf/formats.rtf rtf/header.rtf rtf/table.rtf rtf/shapes.rtf rtf/pictures.rtf
    rtf/picture_depths.rtf rtf/text_boxes.rtf rtf/drawing_kinds.rtf rtf/anchored_paragraphs.rtf text_export/layout.lpx)
foreach(source IN LISTS round_trip_sources)
  get_filename_component(name ${source} NAME_WE)
  set(lists OFF)
  if(name STREQUAL "layout")
    set(lists ON)
  endif()
  add_test(NAME cli.rtf_round_trip_${name}
           COMMAND ${CMAKE_COMMAND} -DVENDARO=$<TARGET_FILE:vendaro> -DSOURCE=${PROJECT_SOURCE_DIR}/tests/fixtures/${source} -DLISTS=${lists}
                   -DWORK=${CMAKE_BINARY_DIR}/test-config/rtf-round-trip-${name}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/checks/rtf_round_trip_check.cmake)
  set_tests_properties(cli.rtf_round_trip_${name} PROPERTIES TIMEOUT 120 LABELS cli
    ENVIRONMENT "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config")
endforeach()
