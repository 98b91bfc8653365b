# Compiles the texts of one id range of the translation files into a C++ table for the
# command-line tool, which has no Qt to read the compiled translations with. The translation
# files stay the one definition of every text.
#   cmake "-DTS_FILES=a.ts;b.ts" -DFIRST_ID=800 -DLAST_ID=899 -DOUT=table.inc -P TranslatedTexts.cmake
# Each entry: {"de", 800, "text"}, with the language from the file name (vemora_<lang>.ts).
set(_out "// Made by TranslatedTexts.cmake from the translation files; do not edit.\n")
foreach(_ts ${TS_FILES})
    get_filename_component(_name ${_ts} NAME_WE)
    string(REGEX REPLACE "^vemora_" "" _lang ${_name})
    file(READ ${_ts} _xml)
    # A ";" would split the list of messages: it is held as a mark until the text is written.
    string(REPLACE ";" "@SEMICOLON@" _xml "${_xml}")
    # Message texts hold no "<" (the files escape it), so one message is matched without
    # looking past its end.
    string(REGEX MATCHALL "<message id=\"[0-9]+\">[^<]*<source>[^<]*</source>[^<]*(<extracomment>[^<]*</extracomment>[^<]*)?<translation>[^<]*</translation>"
           _messages "${_xml}")
    foreach(_m IN LISTS _messages)
        string(REGEX MATCH "id=\"([0-9]+)\"" _ ${_m})
        set(_id ${CMAKE_MATCH_1})
        if(_id LESS FIRST_ID OR _id GREATER LAST_ID)
            continue()
        endif()
        string(REGEX MATCH "<translation>([^<]*)</translation>" _ "${_m}")
        set(_text "${CMAKE_MATCH_1}")
        string(REPLACE "@SEMICOLON@" ";" _text "${_text}")
        if(_text MATCHES "&#")
            message(FATAL_ERROR "${_ts}: message ${_id} uses a character reference; write the character itself")
        endif()
        string(REPLACE "&lt;" "<" _text "${_text}")
        string(REPLACE "&gt;" ">" _text "${_text}")
        string(REPLACE "&quot;" "\"" _text "${_text}")
        string(REPLACE "&apos;" "'" _text "${_text}")
        string(REPLACE "&amp;" "&" _text "${_text}")
        string(REPLACE "\\" "\\\\" _text "${_text}")
        string(REPLACE "\"" "\\\"" _text "${_text}")
        string(REPLACE "\n" "\\n" _text "${_text}")
        string(APPEND _out "{\"${_lang}\", ${_id}, \"${_text}\"},\n")
    endforeach()
endforeach()
# Written only when it changed, so that the tool is not rebuilt for nothing.
file(WRITE ${OUT}.new "${_out}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
