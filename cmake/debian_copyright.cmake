# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the package's machine-readable copyright file OUTPUT from TEMPLATE, with the paragraph
# of the caption face taken from FONT_COPYRIGHT, the copyright file of the Debian package that
# ships the face. Run as a script (cmake -P) while building, where the face is built in too.
if(NOT EXISTS "${FONT_COPYRIGHT}")
    message(FATAL_ERROR "${FONT_COPYRIGHT} is missing: install fonts-liberation2")
endif()
file(READ "${FONT_COPYRIGHT}" text)
# Its first Files paragraph, which covers the fonts: their copyright and licence, text included.
string(REGEX MATCH "\nFiles: \\*\n[^\n]+(\n[^\n]+)*" MOLEN_FONT_COPYRIGHT "${text}")
if(NOT MOLEN_FONT_COPYRIGHT)
    message(FATAL_ERROR "${FONT_COPYRIGHT} has no paragraph for Files: *")
endif()
string(REPLACE "\nFiles: *\n" "Files: LiberationSans-*.ttf
Comment: Liberation Sans, the face of the captions, taken from Debian's
 fonts-liberation2 and built into the program.
" MOLEN_FONT_COPYRIGHT "${MOLEN_FONT_COPYRIGHT}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
