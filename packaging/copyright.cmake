# Writes the package's copyright file: the paragraphs of copyright.in, then the licence texts the
# FreeDict dictionaries' own copyright files give for GPL-2+ (the English-Greek dictionary) and
# CC-BY-SA-3.0 (the Greek-English one), so that the package carries them as they state them.
# Usage: cmake -DHEAD=copyright.in -DENGLISH_GREEK=.../copyright -DGREEK_ENGLISH=.../copyright
#              -DOUTPUT=copyright -P copyright.cmake

# The stand-alone "License: NAME" paragraph of a machine-readable copyright file.
function(licence_paragraph file name result)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "cannot read ${file}: is its FreeDict package installed?")
    endif()
    file(READ "${file}" text)
    string(FIND "${text}" "\n\nLicense: ${name}\n" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "${file} gives no licence text for ${name}")
    endif()
    math(EXPR start "${start} + 2")
    string(SUBSTRING "${text}" ${start} -1 rest)
    string(FIND "${rest}" "\n\n" end)
    if(NOT end EQUAL -1)
        string(SUBSTRING "${rest}" 0 ${end} rest)
    endif()
    string(STRIP "${rest}" rest)
    set(${result} "${rest}" PARENT_SCOPE)
endfunction()

file(READ "${HEAD}" head)
licence_paragraph("${ENGLISH_GREEK}" "GPL-2+" gpl)
licence_paragraph("${GREEK_ENGLISH}" "CC-BY-SA-3.0" ccbysa)
# Written beside and renamed over, so that a failed run leaves no half-written file.
file(WRITE "${OUTPUT}.tmp" "${head}${gpl}\n\n${ccbysa}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
