# One document (SOURCE) through RTF and back, run as cmake -P with VENDARO
# (the program) and WORK (a scratch folder, emptied first). An RTF source is
# first made a native document; so is a damaged native one (REPAIR set),
# by two trips through RTF: the first repairs it (a footnote mark whose note
# is missing gets an empty note, a text that ends inside a table a paragraph
# after it, pictures no cell shows are left out), the second ties its objects
# to the lines nearest to where the repaired text put them, as any opening
# does (the damaged file's ties need not be the nearest). That document is written
# as RTF and read back; the dumps of both agree on
# - the page: paper size, body margins, header and footer distances, and on
#   which pages each header and footer shows (ShowOn);
# - every frame's kind and edges (within twip rounding);
# - every line's text, its character formats run by run (font, size,
#   effects, colours), its paragraph format (alignment, indents, spacing,
#   tab stops with their leaders) and its columns;
# - every table line's cell edges after layout (within 0.1 mm) and its
#   borders and background;
# - the picture checksums, also of each picture cell;
# - each object's anchoring: the same paragraph, or the page, from the source
#   through both RTF files (lines carry anchor ids only as read from RTF, so
#   those dumps are compared);
# and writing the reread document gives the same RTF bytes again.
#
# What RTF keeps differently by design (such a document, CHANGED set, is
# written differently the second time and skips the byte check):
# - list bullets and numbers come back as literal text (then a tab), so
#   those prefixes are dropped before comparing;
# - at-least and exact line spacing have no counterpart other readers share
#   and come back as single spacing.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/start" "${WORK}/rtf" "${WORK}/back" "${WORK}/again")

function(convert format folder file)
  execute_process(COMMAND ${VENDARO} --convert-to ${format} --outdir "${WORK}/${folder}" "${file}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "--convert-to ${format} ${file}: ${status}\n${out}${err}")
  endif()
endfunction()

function(dump file variable)
  execute_process(COMMAND ${VENDARO} --dump "${file}" RESULT_VARIABLE status OUTPUT_VARIABLE out TIMEOUT 30)
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "--dump ${file}: ${status}")
  endif()
  set(${variable} "${out}" PARENT_SCOPE)
endfunction()

# A length in mm as whole thousandths, for comparing without floating point.
function(thousandths value variable)
  if(NOT value MATCHES "^(-?)([0-9]+)(\\.([0-9]*))?")
    message(FATAL_ERROR "not a length: ${value}")
  endif()
  set(fraction "${CMAKE_MATCH_4}000")
  string(SUBSTRING "${fraction}" 0 3 fraction)
  math(EXPR result "${CMAKE_MATCH_2} * 1000 + 1${fraction} - 1000")
  if(CMAKE_MATCH_1)
    math(EXPR result "-${result}")
  endif()
  set(${variable} ${result} PARENT_SCOPE)
endfunction()

# Within `tolerance` thousandths; the default, 0.02 mm, covers two
# roundings to twips and back (half a twip is 0.009 mm).
function(expect_near what a b)
  set(tolerance 20)
  if(ARGC GREATER 3)
    set(tolerance ${ARGV3})
  endif()
  thousandths("${a}" ta)
  thousandths("${b}" tb)
  math(EXPR difference "${ta} - ${tb}")
  if(difference LESS 0)
    math(EXPR difference "-${difference}")
  endif()
  if(difference GREATER tolerance)
    message(FATAL_ERROR "${what}: ${a} became ${b}")
  endif()
endfunction()

# The named members of two JSON objects: `exact` ones equal, `near` ones
# lengths within twip rounding.
function(expect_members what before after)
  cmake_parse_arguments(PARSE_ARGV 3 member "" "" "exact;near")
  foreach(key IN LISTS member_exact)
    string(JSON a GET "${before}" ${key})
    string(JSON b GET "${after}" ${key})
    if(NOT a STREQUAL b)
      message(FATAL_ERROR "${what} ${key}: ${a} became ${b}")
    endif()
  endforeach()
  foreach(key IN LISTS member_near)
    string(JSON a GET "${before}" ${key})
    string(JSON b GET "${after}" ${key})
    expect_near("${what} ${key}" "${a}" "${b}")
  endforeach()
endfunction()

function(last_index json variable)
  string(JSON count LENGTH "${json}" ${ARGN})
  math(EXPR last "${count} - 1")
  set(${variable} ${last} PARENT_SCOPE)
endfunction()

# Sets <prefix>_font_<i> to what the i-th font entry looks like in print;
# a transparent background's colour is never seen. Underline is a style bit
# and an attribute bit, and either draws it, so it is told as the attribute.
function(font_formats json prefix)
  last_index("${json}" last Fonts)
  foreach(i RANGE ${last})
    string(JSON font GET "${json}" Fonts ${i})
    string(JSON style GET "${font}" Style)
    string(JSON attr GET "${font}" Attr)
    math(EXPR effects "${attr} | (${style} & 4)")
    math(EXPR style "${style} & ~4")
    set(format "Style=${style} Attr=${effects} ")
    foreach(key Name Size Color BackTransparent)
      string(JSON value GET "${font}" ${key})
      string(APPEND format "${key}=${value} ")
    endforeach()
    string(JSON transparent GET "${font}" BackTransparent)
    if(transparent EQUAL 0)
      string(JSON value GET "${font}" BackColor)
      string(APPEND format "BackColor=${value}")
    endif()
    set(${prefix}_font_${i} "${format}" PARENT_SCOPE)
  endforeach()
endfunction()

# Sets <prefix>_picture_<i> to the checksum of the i-th picture: a picture
# cell is told by what it shows, not by where the list keeps it.
function(picture_checksums json prefix)
  last_index("${json}" last Pictures)
  if(last LESS 0)
    return()
  endif()
  foreach(i RANGE ${last})
    string(JSON checksum GET "${json}" Pictures ${i} Checksum)
    set(${prefix}_picture_${i} "${checksum}" PARENT_SCOPE)
  endforeach()
endfunction()

# A line's text without a leading list prefix, pictures by their checksums,
# and how many cells the prefix took (a bullet or number, its punctuation,
# and the tab).
function(line_text line prefix text_variable skip_variable)
  string(JSON text GET "${line}" text)
  string(REGEX MATCHALL "\\[PICTURE [0-9]+\\]" pictures "${text}")
  foreach(token IN LISTS pictures)
    string(REGEX MATCH "[0-9]+" index "${token}")
    string(REPLACE "${token}" "[PICTURE ${${prefix}_picture_${index}}]" text "${text}")
  endforeach()
  set(skip 0)
  if(text MATCHES "^(Ÿ|[0-9A-Za-z]+[.)])\\[TAB\\]")
    string(REPLACE "[TAB]" "T" prefix "${CMAKE_MATCH_0}")
    string(REPLACE "Ÿ" "B" prefix "${prefix}")
    string(LENGTH "${prefix}" skip)
    string(REGEX REPLACE "^(Ÿ|[0-9A-Za-z]+[.)])\\[TAB\\]" "" text "${text}")
  endif()
  set(${text_variable} "${text}" PARENT_SCOPE)
  set(${skip_variable} ${skip} PARENT_SCOPE)
endfunction()

# The character formats of a line's cells from cell `skip` on, as runs of
# equal formats: "<cells>×<format>" a run.
function(format_runs line prefix skip variable)
  string(JSON count LENGTH "${line}" Chars)
  set(runs "")
  set(previous "")
  set(length 0)
  if(skip LESS count)
    math(EXPR last "${count} - 1")
    foreach(k RANGE ${skip} ${last})
      string(JSON index GET "${line}" Chars ${k} FontIndex)
      set(format "${${prefix}_font_${index}}")
      if(length GREATER 0 AND NOT format STREQUAL previous)
        string(APPEND runs "${length}×${previous}\n")
        set(length 0)
      endif()
      set(previous "${format}")
      math(EXPR length "${length} + 1")
    endforeach()
  endif()
  string(APPEND runs "${length}×${previous}")
  set(${variable} "${runs}" PARENT_SCOPE)
endfunction()

# Alignment, indents, spacing and tab stops. At-least and exact spacing
# come back as single spacing.
function(compare_paragraphs what before after)
  string(JSON a GET "${before}" Para)
  string(JSON b GET "${after}" Para)
  expect_members("${what}" "${a}" "${b}" exact Alignment TabCount
                 near SpaceBefore SpaceAfter DefaultTabWidth FirstLineIndent LeftIndent RightIndent)
  string(JSON mode GET "${a}" LineSpacingMode)
  string(JSON spacing GET "${a}" LineSpacing)
  if(NOT mode EQUAL 0)
    set(mode 0)
    set(spacing 1.0)
  endif()
  string(JSON mode_after GET "${b}" LineSpacingMode)
  string(JSON spacing_after GET "${b}" LineSpacing)
  if(NOT mode EQUAL mode_after)
    message(FATAL_ERROR "${what}: line spacing kind ${mode} became ${mode_after}")
  endif()
  expect_near("${what} line spacing" "${spacing}" "${spacing_after}" 1)
  string(JSON tabs GET "${a}" TabCount)
  if(tabs GREATER 0)
    math(EXPR last "${tabs} - 1")
    foreach(tab RANGE ${last})
      string(JSON ta GET "${a}" Tabs ${tab})
      string(JSON tb GET "${b}" Tabs ${tab})
      expect_members("${what} tab ${tab}" "${ta}" "${tb}" exact TabAlign Leader near Pos)
    endforeach()
  endif()
endfunction()

# A table line's cell as layout places it, its borders and its background.
function(compare_table_cell what before after)
  expect_members("${what}" "${before}" "${after}" exact InTable)
  string(JSON in_table GET "${before}" InTable)
  if(in_table EQUAL 0)
    return()
  endif()
  foreach(edge CellLeft CellRight)
    string(JSON a GET "${before}" ${edge})
    string(JSON b GET "${after}" ${edge})
    expect_near("${what} ${edge}" "${a}" "${b}" 100)
  endforeach()
  string(JSON a GET "${before}" CellDesign)
  string(JSON b GET "${after}" CellDesign)
  expect_members("${what} cell" "${a}" "${b}" exact BorderPresent BackTransparent)
  string(JSON transparent GET "${a}" BackTransparent)
  if(transparent EQUAL 0)
    expect_members("${what} cell" "${a}" "${b}" exact BackColor)
  endif()
  foreach(side RANGE 3)
    string(JSON present GET "${a}" BorderPresent ${side})
    if(present)
      foreach(key BorderColor BorderWidth)
        string(JSON x GET "${a}" ${key} ${side})
        string(JSON y GET "${b}" ${key} ${side})
        expect_near("${what} border ${side} ${key}" "${x}" "${y}" 1)
      endforeach()
    endif()
  endforeach()
endfunction()

# A column count of 0 means one column, as does 1; a single column's gap and
# line between columns mean nothing.
function(compare_columns what before after)
  string(JSON columns GET "${before}" ColumnCount)
  string(JSON columns_after GET "${after}" ColumnCount)
  foreach(count columns columns_after)
    if(${count} LESS 1)
      set(${count} 1)
    endif()
  endforeach()
  if(NOT columns EQUAL columns_after)
    message(FATAL_ERROR "${what}: ${columns} columns became ${columns_after}")
  endif()
  if(columns GREATER 1)
    expect_members("${what}" "${before}" "${after}" exact ColumnLines near ColumnGap)
  endif()
endfunction()

# A picture frame's one line shows its picture filling the frame, never its
# character or paragraph format, which are not compared there (FORMATS_UNSEEN).
function(compare_line what before after)
  cmake_parse_arguments(PARSE_ARGV 3 line "FORMATS_UNSEEN" "" "")
  line_text("${before}" before text skip)
  line_text("${after}" after text_after skip_after)
  if(NOT text STREQUAL text_after)
    message(FATAL_ERROR "${what}: the text\n${text}\nbecame\n${text_after}")
  endif()
  format_runs("${before}" before ${skip} runs)
  format_runs("${after}" after ${skip_after} runs_after)
  if(line_FORMATS_UNSEEN)
    return()
  endif()
  if(NOT runs STREQUAL runs_after)
    message(FATAL_ERROR "${what}: the character formats\n${runs}\nbecame\n${runs_after}")
  endif()
  compare_paragraphs("${what}" "${before}" "${after}")
  compare_columns("${what}" "${before}" "${after}")
  compare_table_cell("${what}" "${before}" "${after}")
endfunction()

# A frame's kind, edges, the pages it shows on, the margins RTF carries
# (all of the body's, a header's distance from the top, a footer's from
# the bottom) and its lines.
function(compare_frame frame before after)
  expect_members("frame ${frame}" "${before}" "${after}" exact FieldType ShowOn LineCount
                 near Left Top Right Bottom)
  string(JSON kind GET "${before}" FieldType)
  string(JSON footnote GET "${before}" FootnoteNo)
  if(frame EQUAL 0)
    expect_members("page" "${before}" "${after}" near MarginLeft MarginTop MarginRight MarginBottom)
  elseif(kind EQUAL 1)
    expect_members("header ${frame}" "${before}" "${after}" near MarginTop)
  elseif(kind EQUAL 2 AND footnote EQUAL 0)
    expect_members("footer ${frame}" "${before}" "${after}" near MarginBottom)
  endif()
  last_index("${before}" last Lines)
  if(last LESS 0)
    return()
  endif()
  set(unseen "")
  if(kind EQUAL 9)
    set(unseen FORMATS_UNSEEN)
  endif()
  foreach(line RANGE ${last})
    string(JSON a GET "${before}" Lines ${line})
    string(JSON b GET "${after}" Lines ${line})
    compare_line("frame ${frame} line ${line}" "${a}" "${b}" ${unseen})
  endforeach()
endfunction()

# Pictures are listed in the order they were read, which the round trip may
# change; they are compared as sorted checksums with their bit depths.
function(sorted_picture_checksums json variable)
  string(JSON count LENGTH "${json}" Pictures)
  set(checksums "")
  if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(picture RANGE ${last})
      string(JSON checksum GET "${json}" Pictures ${picture} Checksum)
      string(JSON bits GET "${json}" Pictures ${picture} BitCount)
      list(APPEND checksums "${checksum}:${bits}")
    endforeach()
  endif()
  list(SORT checksums)
  set(${variable} "${checksums}" PARENT_SCOPE)
endfunction()

function(compare_pictures before after)
  sorted_picture_checksums("${before}" pictures)
  sorted_picture_checksums("${after}" pictures_after)
  if(NOT pictures STREQUAL pictures_after)
    message(FATAL_ERROR "the pictures ${pictures} became ${pictures_after}")
  endif()
endfunction()

# Each object frame as "frame N: " and the text of the page body line it is
# anchored to, or "page" when it is tied to no line.
function(anchoring json variable)
  picture_checksums("${json}" anchor)
  last_index("${json}" last Fields)
  foreach(frame RANGE ${last})
    string(JSON kind GET "${json}" Fields ${frame} FieldType)
    last_index("${json}" last_line Fields ${frame} Lines)
    if(NOT kind EQUAL 0 OR last_line LESS 0)
      continue()
    endif()
    foreach(line RANGE ${last_line})
      string(JSON id ERROR_VARIABLE none GET "${json}" Fields ${frame} Lines ${line} AnchorID)
      if(NOT none)
        string(JSON body_line GET "${json}" Fields ${frame} Lines ${line})
        line_text("${body_line}" anchor text skip)
        set(line_${id} "${text}")
      endif()
    endforeach()
  endforeach()
  set(result "")
  foreach(frame RANGE ${last})
    string(JSON kind GET "${json}" Fields ${frame} FieldType)
    if(kind LESS 3)
      continue()
    endif()
    string(JSON id GET "${json}" Fields ${frame} AnchorID)
    string(JSON moves GET "${json}" Fields ${frame} MoveWithText)
    if(moves AND DEFINED line_${id})
      string(APPEND result "frame ${frame}: ${line_${id}}\n")
    else()
      string(APPEND result "frame ${frame}: page\n")
    endif()
  endforeach()
  set(${variable} "${result}" PARENT_SCOPE)
endfunction()

get_filename_component(name "${SOURCE}" NAME_WE)
if(SOURCE MATCHES "\\.rtf$")
  convert(lpx start "${SOURCE}")
elseif(REPAIR)
  configure_file("${SOURCE}" "${WORK}/damaged/${name}.lpx" COPYONLY)
  convert(rtf damaged "${WORK}/damaged/${name}.lpx")
  convert(lpx repaired "${WORK}/damaged/${name}.rtf")
  convert(rtf repaired "${WORK}/repaired/${name}.lpx")
  convert(lpx start "${WORK}/repaired/${name}.rtf")
else()
  configure_file("${SOURCE}" "${WORK}/start/${name}.lpx" COPYONLY)
endif()
convert(rtf rtf "${WORK}/start/${name}.lpx")
convert(lpx back "${WORK}/rtf/${name}.rtf")
convert(rtf again "${WORK}/back/${name}.lpx")

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/rtf/${name}.rtf" "${WORK}/again/${name}.rtf"
                RESULT_VARIABLE differ)
if(differ AND NOT CHANGED)
  message(FATAL_ERROR "the reread document is written as different RTF")
endif()

dump("${WORK}/start/${name}.lpx" before)
dump("${WORK}/back/${name}.lpx" after)
expect_members("page" "${before}" "${after}" exact FieldCount near PageWidth PageHeight)
font_formats("${before}" before)
font_formats("${after}" after)
picture_checksums("${before}" before)
picture_checksums("${after}" after)
last_index("${before}" last Fields)
foreach(frame RANGE ${last})
  string(JSON a GET "${before}" Fields ${frame})
  string(JSON b GET "${after}" Fields ${frame})
  compare_frame(${frame} "${a}" "${b}")
endforeach()
compare_pictures("${before}" "${after}")

# RTF written from a native file ties its objects to lines as a paint would;
# each RTF, read back, says which paragraph each object belongs to.
set(anchored_files "${WORK}/rtf/${name}.rtf" "${WORK}/again/${name}.rtf")
if(SOURCE MATCHES "\\.rtf$")
  list(PREPEND anchored_files "${SOURCE}")
endif()
unset(anchors_before)
foreach(file IN LISTS anchored_files)
  dump("${file}" json)
  anchoring("${json}" anchors)
  if(DEFINED anchors_before AND NOT anchors STREQUAL anchors_before)
    message(FATAL_ERROR "the anchoring\n${anchors_before}became in ${file}\n${anchors}")
  endif()
  set(anchors_before "${anchors}")
endforeach()
