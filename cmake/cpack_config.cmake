# Read by cpack before it installs anything, once for each package it makes.
# With SOURCE_DATE_EPOCH set, strip stamps a PE header with that time instead
# of the present one, and cpack leaves the time out of the gzip headers it
# writes.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_SOURCE_DATE_EPOCH}")
