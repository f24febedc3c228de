# Writes the service worker, which keeps the site's other files, the ones given, in a cache
# named for the program's version and a short hash of those files, so that any rebuilt file,
# even of the same version, replaces the cache of a browser that keeps the old one. The hash
# covers the files' names and contents only, in the order given, so that the same site always
# gives the same name.
#   cmake -DSITE=<folder> -DFILES=<name;...> -DVERSION=<version> -DTEMPLATE=<sw.js.in>
#         -DOUTPUT=<sw.js> -P service-worker.cmake
set(sums "")
foreach(name IN LISTS FILES)
    file(SHA256 ${SITE}/${name} sum)
    string(APPEND sums "${name} ${sum}\n")
endforeach()
string(SHA256 hash "${sums}")
string(SUBSTRING ${hash} 0 12 hash)
set(CACHE_NAME "tarvik-${VERSION}-${hash}")
list(JOIN FILES "\", \"" FILES_JSON)
set(FILES_JSON "\"${FILES_JSON}\"")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
