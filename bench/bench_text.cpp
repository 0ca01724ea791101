// SPDX-License-Identifier: LGPL-2.1-or-later
/* Text values: construction and rendering of each kind. */

#include "bench/lmbench.h"
#include "include/libmodel.h"
#include "Support/holders.h"

namespace {

constexpr const char sample[] = "a cell of text from a result set";

template <class Make>
void
compare_kind (const std::string &kind, const std::string &floor, Make make)
{
  lmbench::compare (kind + "/new+unref", floor, [make] (benchmark::State &state) {
    for (auto _ : state) {
      gpointer value = make ();
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
  });
  lmbench::compare (kind + "/to_string", floor, [make] (benchmark::State &state) {
    gpointer value = make ();
    for (auto _ : state) {
      gchar *text = tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (value));
      benchmark::DoNotOptimize (text);
      g_free (text);
    }
    g_object_unref (value);
  });
}

}  // namespace

int
main (int argc, char **argv)
{
  /* The string kinds keep one owned string; ValueUtf16 one buffer pointer. */
  std::string string_floor = lmbench::floor (sizeof (lm::String));
  std::string utf16_floor =
      sizeof (gunichar2 *) == sizeof (lm::String) ? string_floor : lmbench::floor (sizeof (gunichar2 *));

  compare_kind ("ValueString", string_floor, [] { return gpointer (tavrel_model_data_value_string_new (sample)); });
  compare_kind ("ValueXml", string_floor, [] { return gpointer (tavrel_model_data_value_xml_new ("<cell>text</cell>")); });
  compare_kind ("ValueJson", string_floor, [] { return gpointer (tavrel_model_data_value_json_new ("{\"cell\": 1}")); });
  compare_kind ("ValueUuid(text)", string_floor, [] {
    return gpointer (tavrel_model_data_value_uuid_new_uuid ("1b4e28ba-2fa1-4d2c-883f-0016d3cca427"));
  });
  compare_kind ("ValueUtf16(string)", utf16_floor, [] { return gpointer (tavrel_model_data_value_utf16_new_string (sample)); });

  return lmbench::run (argc, argv);
}
