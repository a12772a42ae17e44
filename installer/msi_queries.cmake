# Runs the SQL statements of the files QUERIES and MORE_QUERIES (one
# statement a line) on the package MSI with msibuild (MSIBUILD), in order;
# a statement that fails stops the build.
#   cmake -DMSIBUILD=msibuild -DMSI=pkg.msi -DQUERIES=a.sql -DMORE_QUERIES=b.sql -P msi_queries.cmake
foreach(file IN ITEMS ${QUERIES} ${MORE_QUERIES})
  file(STRINGS "${file}" statements)
  foreach(statement IN LISTS statements)
    execute_process(COMMAND "${MSIBUILD}" "${MSI}" -q "${statement}"
      RESULT_VARIABLE status ERROR_VARIABLE error)
    if(NOT status EQUAL 0 OR error MATCHES "failed")
      message(FATAL_ERROR "msibuild: ${statement}: ${error}")
    endif()
  endforeach()
endforeach()
