# Writes a pseudo-translation: every message of IN (a .ts file) translated as
# its source in brackets ("&File" -> "[&File]"), into OUT, for language LANG.
# A text on the screen without brackets then never went through a translation.
file(READ "${IN}" ts)
string(REGEX REPLACE "language=\"[^\"]*\"" "language=\"${LANG}\"" ts "${ts}")
string(REGEX REPLACE
    "<source>([^<]*)</source>([ \t\r\n]*(<comment>[^<]*</comment>[ \t\r\n]*)?)<translation[^>]*>[^<]*</translation>"
    "<source>\\1</source>\\2<translation>[\\1]</translation>" ts "${ts}")
file(WRITE "${OUT}" "${ts}")
