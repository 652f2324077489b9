# Copies the demo catalogues into DST, leaving files that are already there alone
# (they may be the operator's own, or ones the catalogue update fetched).
file(MAKE_DIRECTORY ${DST})
foreach(name ServiceList.ini ErrorList.ini Server.ini)
  if(EXISTS ${SRC}/${name} AND NOT EXISTS ${DST}/${name})
    file(COPY ${SRC}/${name} DESTINATION ${DST})
  endif()
endforeach()
