/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The value factory: a kind byte (any byte, so kinds past the last one are
 * tried too) and a cell's text.  Every value it makes is rendered, dumped,
 * converted, cloned and described; a clone must render as its source does.
 */

#include "fuzz/fuzz.h"

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  lmfuzz::init ();
  if (size < 1)
    return 0;
  auto kind = TavrelModelDataDataType (data[0]);
  std::string text = lmfuzz::text_of (data + 1, size - 1);

  TavrelModelDataIValue *value = tavrel_model_data_ivalue_factory (kind, text.c_str ());
  if (!value)
    lmfuzz::fail ("the factory returned NULL", text);
  g_autofree gchar *rendered = tavrel_model_data_ivalue_to_string (value);
  g_autofree gchar *dumped = tavrel_model_data_ivalue_dump (value);
  if (!dumped)
    lmfuzz::fail ("a value that does not describe itself", text);
  g_auto (GValue) converted = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (value, &converted);
  (void) tavrel_model_data_ivalue_get_name (value);
  (void) tavrel_model_data_ivalue_get_data_type (value);
  (void) tavrel_model_data_ivalue_get_is_null (value);
  if (TAVREL_MODEL_DATA_IS_VALUE_GEOGRAPHY (value)) {
    (void) tavrel_model_data_value_geography_latitude (TAVREL_MODEL_DATA_VALUE_GEOGRAPHY (value));
    (void) tavrel_model_data_value_geography_longitude (TAVREL_MODEL_DATA_VALUE_GEOGRAPHY (value));
  }
  TavrelModelDataIValue *copy = tavrel_model_data_ivalue_clone (value);
  if (copy) {
    g_autofree gchar *copied = tavrel_model_data_ivalue_to_string (copy);
    if (g_strcmp0 (rendered, copied) != 0)
      lmfuzz::fail ("a clone renders differently from its source",
                    std::string (rendered ? rendered : "(null)") + " / " + (copied ? copied : "(null)"));
    g_object_unref (copy);
  }
  g_object_unref (value);
  return 0;
}
