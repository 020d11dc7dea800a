# The program's own place and weather service: libgeonames' gazetteer for the places,
# libgweather's providers for their weather.
find_package(PkgConfig REQUIRED)
pkg_check_modules(GWEATHER REQUIRED IMPORTED_TARGET gweather4 gobject-2.0 glib-2.0)
pkg_check_modules(GEONAMES REQUIRED IMPORTED_TARGET geonames)

add_library(heliodex_places STATIC
  ${CMAKE_CURRENT_LIST_DIR}/place_search.cpp ${CMAKE_CURRENT_LIST_DIR}/place_search.h
  ${CMAKE_CURRENT_LIST_DIR}/name_catalogues.cpp ${CMAKE_CURRENT_LIST_DIR}/name_catalogues.h
  ${CMAKE_CURRENT_LIST_DIR}/capitals.cpp ${CMAKE_CURRENT_LIST_DIR}/capitals.h
  ${CMAKE_CURRENT_LIST_DIR}/weather_conversion.cpp ${CMAKE_CURRENT_LIST_DIR}/weather_conversion.h
  ${CMAKE_CURRENT_LIST_DIR}/place_documents.cpp ${CMAKE_CURRENT_LIST_DIR}/place_documents.h
  ${CMAKE_CURRENT_LIST_DIR}/gweather_glue.cpp ${CMAKE_CURRENT_LIST_DIR}/gweather_glue.h
)
target_include_directories(heliodex_places PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(heliodex_places PUBLIC Qt6::Core PRIVATE PkgConfig::GWEATHER PkgConfig::GEONAMES)
# GLib's headers use "signals" as a field name, which Qt's keywords would rewrite.
target_compile_definitions(heliodex_places PRIVATE QT_NO_KEYWORDS)
