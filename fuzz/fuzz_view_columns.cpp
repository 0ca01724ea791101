/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A view's columns, found in its definition: every column has a name and
 * the expression it came from, both pieces of the definition.
 */

#include "fuzz/fuzz.h"

#include <string.h>

#include <optional>

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  lmfuzz::init ();
  std::string definition = lmfuzz::text_of (data, size);
  std::optional<lmfuzz::Tolerant> tolerant;
  if (!g_utf8_validate (definition.c_str (), -1, nullptr))
    tolerant.emplace ();
  TavrelModelMetaMetaView *view = tavrel_model_meta_meta_view_new ();
  tavrel_model_meta_meta_view_set_definition (view, definition.c_str ());
  GeeArrayList *columns = tavrel_model_meta_meta_view_get_columns (view);
  gint n = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns));
  for (gint i = 0; i < n; i++) {
    auto *column = static_cast<TavrelModelMetaMetaColumn *> (gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), i));
    const gchar *name = tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (column));
    const gchar *expression = tavrel_model_meta_meta_column_get_raw_type (column);
    if (!name || !expression || strlen (name) > definition.size () || strlen (expression) > definition.size ())
      lmfuzz::fail ("a column that is no piece of the definition", definition);
    g_object_unref (column);
  }
  /* Setting it again finds the same columns. */
  tavrel_model_meta_meta_view_set_definition (view, definition.c_str ());
  if (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)) != n)
    lmfuzz::fail ("the same definition gave other columns", definition);
  g_object_unref (view);
  return 0;
}
