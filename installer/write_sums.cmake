# cmake -DOUTPUT=<SHA256SUMS> -DFILES=<a,b> -P write_sums.cmake: the files'
# SHA-256 sums by name, as sha256sum -c reads them.
string(REPLACE "," ";" paths "${FILES}")
set(lines "")
foreach(path IN LISTS paths)
  file(SHA256 ${path} sum)
  get_filename_component(name ${path} NAME)
  string(APPEND lines "${sum}  ${name}\n")
endforeach()
file(WRITE ${OUTPUT} "${lines}")
