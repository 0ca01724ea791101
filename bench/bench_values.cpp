// SPDX-License-Identifier: LGPL-2.1-or-later
/* The value frame and rows: construction, rendering, cloning. */

#include "bench/lmbench.h"
#include "include/libmodel.h"

int
main (int argc, char **argv)
{
  /* ValueError's private state is a code and a message pointer. */
  std::string floor16 = lmbench::floor (16);
  std::string floor0 = lmbench::floor (0);
  /* ValueInt32's is its 4-byte payload. */
  std::string floor4 = lmbench::floor (4);

  lmbench::compare ("ValueNull/new+unref", floor0, [] (benchmark::State &state) {
    for (auto _ : state) {
      TavrelModelDataValueNull *value = tavrel_model_data_value_null_new ();
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
  });

  lmbench::compare ("ValueInt32/new+unref", floor4, [] (benchmark::State &state) {
    for (auto _ : state) {
      TavrelModelDataValueInt32 *value = tavrel_model_data_value_int32_new (-1234567);
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
  });

  lmbench::compare ("ValueError/new+unref", floor16, [] (benchmark::State &state) {
    for (auto _ : state) {
      TavrelModelDataValueError *value = tavrel_model_data_value_error_new (-3, "timeout");
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
  });

  lmbench::compare ("ValueError/to_string", floor16, [] (benchmark::State &state) {
    TavrelModelDataValueError *value = tavrel_model_data_value_error_new (-3, "timeout");
    for (auto _ : state) {
      gchar *text = tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (value));
      benchmark::DoNotOptimize (text);
      g_free (text);
    }
    g_object_unref (value);
  });

  lmbench::compare ("RowModel/clone(10 values)", floor16, [] (benchmark::State &state) {
    TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
    GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
    for (int i = 0; i < 10; i++) {
      TavrelModelDataValueError *value = tavrel_model_data_value_error_new (i, "cell");
      gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), value);
      g_object_unref (value);
    }
    for (auto _ : state) {
      TavrelModelDataRowModel *copy = tavrel_model_data_row_model_clone (row);
      benchmark::DoNotOptimize (copy);
      g_object_unref (copy);
    }
    g_object_unref (row);
  });

  return lmbench::run (argc, argv);
}
