# The fuzz targets, one per reader: the name (executable fuzz_NAME, seed corpus
# corpus/NAME) and its source. tools/fuzz.sh runs them all; the normal build replays
# each corpus through the same source as a CTest test.
set(marrowtide_fuzz_targets
  csv:CsvFuzz.cpp
  vcard:VCardFuzz.cpp
  encoding:EncodingFuzz.cpp
  stored_birth:StoredBirthFuzz.cpp
  date_texts:DateTextsFuzz.cpp
  import:ImportFuzz.cpp
  round_trip:RoundTripFuzz.cpp)

# The readers need the import rules' library at most, which brings the rest.
set(marrowtide_fuzz_libraries marrowtide_transfer)
