# Puts the static site together (cmake -P): the pages, the rules' WebAssembly module, the
# gas list, the build's pictures (porting drawings as SVG), the documents and their first pages, and a
# service worker that names this build and every file it caches. Written beside the old
# site and put in its place at the end, so a failed build leaves the last site whole.
foreach(folder SITE PAGES WASM DIST DRAWN BUTTONS GAS_READER GASES EXCEL)
  if(NOT ${folder})
    message(FATAL_ERROR "assemble_site: ${folder} not given")
  endif()
endforeach()
foreach(module tarvek.mjs tarvek.wasm)
  if(NOT EXISTS ${WASM}/${module})
    message(FATAL_ERROR "assemble_site: ${WASM}/${module} is missing: build the WebAssembly module first (make web)")
  endif()
endforeach()

set(next ${SITE}.next)
file(REMOVE_RECURSE ${next})
file(MAKE_DIRECTORY ${next}/pictures ${next}/documents)
file(GLOB pages ${PAGES}/*.html ${PAGES}/*.mjs ${PAGES}/*.css)
file(COPY ${pages} ${WASM}/tarvek.mjs ${WASM}/tarvek.wasm ${DRAWN}/brand.png ${DRAWN}/icon.png DESTINATION ${next})
file(GLOB pictures ${DIST}/*.jpg ${DIST}/*.gif ${DRAWN}/*.svg)
file(COPY ${pictures} DESTINATION ${next}/pictures)
file(GLOB documents ${DIST}/*.pdf ${BUTTONS}/*.png)
file(COPY ${documents} DESTINATION ${next}/documents)
# The workbook library (npm's exceljs, from web/package-lock.json), which the quote page loads
# only when a workbook is exported, with its licence.
if(NOT EXISTS ${EXCEL}/dist/exceljs.bare.min.js)
  message(FATAL_ERROR "assemble_site: ${EXCEL} is missing: install the web edition's npm packages (scripts/install-deps)")
endif()
file(MAKE_DIRECTORY ${next}/vendor)
file(COPY ${EXCEL}/dist/exceljs.bare.min.js DESTINATION ${next}/vendor)
file(COPY_FILE ${EXCEL}/LICENSE ${next}/vendor/exceljs.LICENSE.txt)
# The gas list, read from the build's gas database by our own gas reader, as the window reads it.
execute_process(COMMAND ${GAS_READER} ${GASES} OUTPUT_FILE ${next}/gases.txt RESULT_VARIABLE read)
if(NOT read EQUAL 0)
  message(FATAL_ERROR "assemble_site: the gas reader could not read ${GASES} (status ${read})")
endif()

# Every module the page imports and the rules' WebAssembly, asked for at once in the page's
# head: otherwise each level of imports waits for the one above it.
file(GLOB modules RELATIVE ${next} ${next}/*.mjs)
list(REMOVE_ITEM modules search_worker.mjs)
set(preloads "")
foreach(module ${modules})
  string(APPEND preloads "<link rel=\"modulepreload\" href=\"${module}\">\n")
endforeach()
string(APPEND preloads "<link rel=\"preload\" href=\"tarvek.wasm\" as=\"fetch\" type=\"application/wasm\" crossorigin>")
file(READ ${next}/index.html page)
string(FIND "${page}" "<!-- preloads -->" marker)
if(marker EQUAL -1)
  message(FATAL_ERROR "assemble_site: index.html has no <!-- preloads --> line")
endif()
string(REPLACE "<!-- preloads -->" "${preloads}" page "${page}")
file(WRITE ${next}/index.html "${page}")

# The build's name is the digest of everything the site holds.
file(GLOB_RECURSE files RELATIVE ${next} ${next}/*)
list(SORT files)
set(digests "")
set(urls "'./'")
foreach(file ${files})
  file(SHA256 ${next}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(REPLACE " " "%20" url "${file}")
  string(APPEND urls ",\n  '${url}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
set(SITE_FILES "\n  ${urls}")
configure_file(${PAGES}/service_worker.js ${next}/sw.js @ONLY)

file(REMOVE_RECURSE ${SITE})
file(RENAME ${next} ${SITE})
message(STATUS "The web edition (build ${SITE_VERSION}) is in ${SITE}")
