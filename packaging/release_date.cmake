# The catalogue's version is its release date, YYMMDD (130205 is 5 February 2013). The
# package's changelog and the AppStream release name that date, so it is read from the
# version rather than written down a second time.
#
# Sets TARVEK_RELEASE_DATE (2013-02-05) and TARVEK_RELEASE_DATE_RFC2822
# (Tue, 05 Feb 2013 00:00:00 +0000) in the caller's scope.
function(tarvek_release_date version)
  if(NOT version MATCHES "^([0-9][0-9])([0-1][0-9])([0-3][0-9])$")
    message(FATAL_ERROR "The version ${version} is not a release date YYMMDD")
  endif()
  math(EXPR year "2000 + ${CMAKE_MATCH_1}")
  math(EXPR month "1${CMAKE_MATCH_2} - 100")  # the leading 1 keeps "08" from reading as octal
  math(EXPR day "1${CMAKE_MATCH_3} - 100")

  # Days since 1970-01-01 of a date in the proleptic Gregorian calendar, with March as the
  # first month so that a leap day falls at the end of a year.
  if(month GREATER 2)
    math(EXPR shifted_month "${month} - 3")
  else()
    math(EXPR shifted_month "${month} + 9")
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${shifted_month} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR seconds "(${era} * 146097 + ${day_of_era} - 719468) * 86400")

  # string(TIMESTAMP) formats a given moment only through SOURCE_DATE_EPOCH.
  set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} ${seconds})
  string(TIMESTAMP iso "%Y-%m-%d" UTC)
  string(TIMESTAMP rfc2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

  set(TARVEK_RELEASE_DATE ${iso} PARENT_SCOPE)
  set(TARVEK_RELEASE_DATE_RFC2822 "${rfc2822}" PARENT_SCOPE)
endfunction()
