# Word files through the executable: --dump shows the page, text, tables and
# headers read from files LibreOffice wrote; a file that is no Word 97–2003
# document fails with the German message.
set(word_env "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config")
set(word_dir ${PROJECT_SOURCE_DIR}/tests/fixtures/word)

function(word_dump_test name file pattern)
  add_test(NAME cli.word_${name} COMMAND vendaro --dump ${word_dir}/${file})
  set_tests_properties(cli.word_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${pattern}"
                       ENVIRONMENT "${word_env}" LABELS cli)
endfunction()

word_dump_test(a4_height letter.doc "\"PageHeight\": 297\\.0[0-4]")
word_dump_test(a4_width letter.doc "\"PageWidth\": 210\\.0[0-4]")
word_dump_test(en_dash letter.doc "\"text\": \"Hauptstraße 12 – 12345 Musterstadt\"")
word_dump_test(euro letter.doc "\"text\": \"Angebot über 1\\.250 €\"")
word_dump_test(large_size letter.doc "\"Size\": 130\\.0")
word_dump_test(table_cells table.doc "\"RowCells\": 4")
word_dump_test(first_page_header headers.doc "\"text\": \"Erste Seite\"")
word_dump_test(section_columns sections.doc "\"ColumnCount\": 2")
word_dump_test(jpeg pictures.doc "\"text\": \"JPEG: \\[PICTURE 1\\]\"")

add_test(NAME cli.word_refuses_word6 COMMAND vendaro --dump ${word_dir}/word6.doc)
set_tests_properties(cli.word_refuses_word6 PROPERTIES WILL_FAIL TRUE ENVIRONMENT "${word_env}" LABELS cli)
add_test(NAME cli.word_word6_message COMMAND vendaro --dump ${word_dir}/word6.doc)
set_tests_properties(cli.word_word6_message PROPERTIES PASS_REGULAR_EXPRESSION "Konnte Docfile nicht .*ffnen!"
                     ENVIRONMENT "${word_env}" LABELS cli)
