# The release named in the packaging files is the project's version: the newest entry of the
# Debian changelog, the newest AppStream release and the man page's footer.
#   cmake -DVERSION=0.1.0 -DDIST=.../dist -P release_version.cmake
set(failed "")
file(STRINGS "${DIST}/changelog" first LIMIT_COUNT 1)
if(NOT first MATCHES "^korvel \\(${VERSION}\\) ")
  string(APPEND failed "dist/changelog: the newest entry is not ${VERSION}: ${first}\n")
endif()
file(READ "${DIST}/org.korvel.Korvel.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<releases>[ \n]*<release version=\"${VERSION}\"")
  string(APPEND failed "dist/org.korvel.Korvel.metainfo.xml: the newest release is not ${VERSION}\n")
endif()
file(STRINGS "${DIST}/korvel.1" th REGEX "^\\.TH ")
if(NOT th MATCHES "\"Korvel ${VERSION}\"")
  string(APPEND failed "dist/korvel.1: the .TH line does not name Korvel ${VERSION}: ${th}\n")
endif()
if(failed)
  message(FATAL_ERROR "${failed}")
endif()
