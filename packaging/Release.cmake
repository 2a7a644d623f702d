# The newest entry of debian/changelog is the release: its version is the one
# the program prints, the package carries and the metainfo and the manual page
# show, and its date the one they show. A release is made by adding an entry
# there (dch -v VERSION) and nowhere else.
set(QUORBIT_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUORBIT_CHANGELOG})

file(STRINGS ${QUORBIT_CHANGELOG} heading LIMIT_COUNT 1)
if(NOT heading MATCHES "^quorbit \\(([0-9]+(\\.[0-9]+)+)\\) ")
  message(FATAL_ERROR "${QUORBIT_CHANGELOG}: the first line names no version: ${heading}")
endif()
set(QUORBIT_VERSION ${CMAKE_MATCH_1})

# The signature's date is written the way Debian's tools write it (RFC 5322:
# "Mon, 07 Dec 2026 00:00:00 +0000"); the metainfo and the manual page want it
# as 2026-12-07.
file(STRINGS ${QUORBIT_CHANGELOG} signature REGEX "^ -- " LIMIT_COUNT 1)
if(NOT signature MATCHES "^ -- [^<]+ <[^>]+>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "${QUORBIT_CHANGELOG}: the newest entry has no signature with a date: ${signature}")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
if(month LESS 0)
  message(FATAL_ERROR "${QUORBIT_CHANGELOG}: the newest entry's date has no month: ${signature}")
endif()
math(EXPR month "${month} + 1")
if(month LESS 10)
  set(month 0${month})
endif()
set(QUORBIT_RELEASE_DATE ${year}-${month}-${day})
