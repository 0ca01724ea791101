/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The FROM clause of a statement: a table made from the text takes its
 * schema and entity from it; the names it keeps are pieces of the text.
 */

#include "fuzz/fuzz.h"

#include <string.h>

#include <optional>

static void
check_piece (const char *name, const std::string &sql)
{
  /* Quotes are taken out of a name, nothing is put in: what is left of
   * a name is never longer than the statement. */
  if (name && strlen (name) > sql.size ())
    lmfuzz::fail ("a name longer than the statement", sql);
}

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  lmfuzz::init ();
  std::string sql = lmfuzz::text_of (data, size);
  /* Text that is not UTF-8 may be reported with a critical; it must do no
   * harm either. */
  std::optional<lmfuzz::Tolerant> tolerant;
  if (!g_utf8_validate (sql.c_str (), -1, nullptr))
    tolerant.emplace ();
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_sql (sql.c_str ());
  check_piece (tavrel_model_data_table_model_get_entity (table), sql);
  check_piece (tavrel_model_data_table_model_get_schema (table), sql);
  if (g_strcmp0 (tavrel_model_data_table_model_get_statements (table), sql.c_str ()) != 0)
    lmfuzz::fail ("the statement is not kept as given", sql);
  g_object_unref (table);
  return 0;
}
