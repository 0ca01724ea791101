// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * The container helpers bindings use on the live lists and maps: they
 * change the very container the object holds, the container owns what they
 * add and frees what they remove, and a container of another element type
 * is refused with a critical and no effect.
 */

#include <functional>

#include "tests/support.h"

namespace {

using lmtest::critical_text;
using lmtest::take_string;
using lmtest::Watch;

class Containers : public lmtest::Test {};

TEST_F (Containers, ObjectListsAreTheLiveStorageAndOwnTheirElements)
{
  auto *table = tavrel_model_meta_meta_table_new ();
  GeeArrayList *columns = tavrel_model_meta_meta_table_get_columns (table);
  auto *a = G_OBJECT (tavrel_model_meta_meta_column_new ());
  auto *b = G_OBJECT (tavrel_model_meta_meta_column_new ());
  Watch watch_a (a), watch_b (b);

  EXPECT_EQ (tavrel_model_list_append_object (columns, a), 0);
  EXPECT_TRUE (tavrel_model_list_insert_object (columns, 0, b));
  EXPECT_TRUE (tavrel_model_list_insert_object (columns, 2, b));
  g_object_unref (a);
  g_object_unref (b);
  EXPECT_EQ (tavrel_model_list_get_size (columns), 3);
  EXPECT_EQ (tavrel_model_list_index_of_object (columns, a), 1);

  gint n = -1;
  GObject **all = tavrel_model_list_get_objects (columns, &n);
  ASSERT_EQ (n, 3);
  EXPECT_EQ (all[0], b);
  EXPECT_EQ (all[1], a);
  EXPECT_EQ (all[3], nullptr);
  for (gint i = 0; i < n; i++)
    g_object_unref (all[i]);
  g_free (all);

  /* Replacing and removing release the list's references. */
  EXPECT_TRUE (tavrel_model_list_set_object (columns, 1, b));
  EXPECT_TRUE (watch_a.finalized ());
  EXPECT_TRUE (tavrel_model_list_remove_at (columns, 0));
  EXPECT_EQ (tavrel_model_list_get_size (tavrel_model_meta_meta_table_get_columns (table)), 2);
  GObject *first = tavrel_model_list_get_object (columns, 0);
  EXPECT_EQ (first, b);
  g_object_unref (first);
  tavrel_model_list_clear (columns);
  EXPECT_EQ (tavrel_model_meta_meta_table_get_columns (table), columns);
  EXPECT_TRUE (watch_b.finalized ());
  g_object_unref (table);
}

TEST_F (Containers, StringListsCopyInAndOut)
{
  GeeArrayList *names = tavrel_model_list_new_strings ();
  gchar text[] = "id";
  EXPECT_EQ (tavrel_model_list_append_string (names, text), 0);
  text[0] = 'X';
  EXPECT_TRUE (tavrel_model_list_insert_string (names, 0, "a"));
  EXPECT_TRUE (tavrel_model_list_set_string (names, 0, "b"));
  EXPECT_EQ (take_string (tavrel_model_list_get_string (names, 1)), "id");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (names), nullptr);
  gchar **all = tavrel_model_list_get_strings (names);
  ASSERT_EQ (g_strv_length (all), 3u);
  EXPECT_STREQ (all[0], "b");
  EXPECT_STREQ (all[2], "");
  g_strfreev (all);
  EXPECT_TRUE (tavrel_model_list_remove_at (names, 0));

  /* A key takes the list as it is: the helpers then change the key's. */
  auto *key = tavrel_model_meta_meta_primary_key_new ();
  tavrel_model_meta_meta_primary_key_set_columns (key, names);
  g_object_unref (names);
  EXPECT_EQ (tavrel_model_list_append_string (tavrel_model_meta_meta_primary_key_get_columns (key), "name"), 2);
  EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (names)), 3);
  g_object_unref (key);
}

TEST_F (Containers, MapsOfStringsAndOfVersions)
{
  auto *object = tavrel_model_meta_meta_object_new ();
  GeeHashMap *attributes = tavrel_model_meta_meta_object_get_attributes (object);
  tavrel_model_map_set_string (attributes, "b", "2");
  tavrel_model_map_set_string (attributes, "a", "1");
  tavrel_model_map_set_string (attributes, "a", "one");
  gchar **keys = tavrel_model_map_get_keys (attributes);
  ASSERT_EQ (g_strv_length (keys), 2u);
  EXPECT_STREQ (keys[0], "a");
  EXPECT_STREQ (keys[1], "b");
  g_strfreev (keys);
  EXPECT_EQ (take_string (tavrel_model_map_get_string (attributes, "a")), "one");
  EXPECT_EQ (tavrel_model_map_get_string (attributes, "c"), nullptr);
  EXPECT_TRUE (tavrel_model_map_remove (attributes, "a"));
  EXPECT_FALSE (tavrel_model_map_remove (attributes, "a"));
  EXPECT_FALSE (tavrel_model_map_has_key (attributes, "a"));

  GeeHashMap *diff = tavrel_model_meta_meta_object_diff (object);
  tavrel_model_meta_meta_object_append_diff (object, "comment", TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  tavrel_model_map_set_version (diff, "name", TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);
  TavrelModelTransformDataVersion version = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT;
  EXPECT_TRUE (tavrel_model_map_lookup_version (diff, "comment", &version));
  EXPECT_EQ (version, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  EXPECT_FALSE (tavrel_model_map_lookup_version (diff, "schema", &version));
  EXPECT_EQ (version, TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL);
  EXPECT_EQ (tavrel_model_map_get_size (diff), 2);
  tavrel_model_meta_meta_object_clear_diff (object);
  EXPECT_EQ (tavrel_model_map_get_size (diff), 0);
  g_object_unref (diff);
  tavrel_model_map_clear (attributes);
  EXPECT_EQ (tavrel_model_map_get_size (tavrel_model_meta_meta_object_get_attributes (object)), 0);
  g_object_unref (object);
}

/* Every refusal logs its condition and changes nothing. */
TEST_F (Containers, RefusedArgumentsChangeNothing)
{
  auto *table = tavrel_model_data_table_model_new ();
  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (table);
  GeeArrayList *strings = tavrel_model_list_new_strings ();
  auto *column = tavrel_model_data_column_model_new ();
  auto *object = tavrel_model_meta_meta_object_new ();
  GeeHashMap *attributes = tavrel_model_meta_meta_object_get_attributes (object);
  GeeHashMap *diff = tavrel_model_meta_meta_object_diff (object);

  struct Case {
    const char *function;
    const char *condition;
    std::function<void ()> call;
  };
  const Case cases[] = {
      {"tavrel_model_list_append_object", "G_TYPE_CHECK_INSTANCE_TYPE (item, element_type)",
       [&] { EXPECT_EQ (tavrel_model_list_append_object (rows, G_OBJECT (column)), -1); }},
      {"tavrel_model_list_append_object", "holds_objects (element_type)",
       [&] { EXPECT_EQ (tavrel_model_list_append_object (strings, G_OBJECT (column)), -1); }},
      {"tavrel_model_list_append_string", "element_type == G_TYPE_STRING",
       [&] { EXPECT_EQ (tavrel_model_list_append_string (rows, "x"), -1); }},
      {"tavrel_model_list_append_string", "item != NULL",
       [&] { EXPECT_EQ (tavrel_model_list_append_string (strings, nullptr), -1); }},
      {"tavrel_model_list_get_object", "position >= 0 && position < lm::size (list)",
       [&] { EXPECT_EQ (tavrel_model_list_get_object (rows, 0), nullptr); }},
      {"tavrel_model_list_insert_object", "position >= 0 && position <= lm::size (list)",
       [&] { EXPECT_FALSE (tavrel_model_list_insert_object (rows, 1, G_OBJECT (column))); }},
      {"tavrel_model_list_set_string", "position >= 0 && position < lm::size (list)",
       [&] { EXPECT_FALSE (tavrel_model_list_set_string (strings, 0, "x")); }},
      {"tavrel_model_list_remove_at", "position >= 0 && position < lm::size (list)",
       [&] { EXPECT_FALSE (tavrel_model_list_remove_at (strings, -1)); }},
      {"tavrel_model_list_get_size", "list != NULL", [&] { EXPECT_EQ (tavrel_model_list_get_size (nullptr), 0); }},
      {"tavrel_model_list_get_size", "GEE_IS_ARRAY_LIST (list)",
       [&] { EXPECT_EQ (tavrel_model_list_get_size (reinterpret_cast<GeeArrayList *> (column)), 0); }},
      {"tavrel_model_list_new_objects", "holds_objects (element_type)",
       [&] { EXPECT_EQ (tavrel_model_list_new_objects (G_TYPE_STRING), nullptr); }},
      {"tavrel_model_map_get_string", "value_type == G_TYPE_STRING",
       [&] { EXPECT_EQ (tavrel_model_map_get_string (diff, "x"), nullptr); }},
      {"tavrel_model_map_set_version", "value_type == TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION",
       [&] { tavrel_model_map_set_version (attributes, "x", TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE); }},
      {"tavrel_model_map_set_string", "value != NULL", [&] { tavrel_model_map_set_string (attributes, "x", nullptr); }},
      {"tavrel_model_map_lookup_version", "key != NULL",
       [&] { EXPECT_FALSE (tavrel_model_map_lookup_version (diff, nullptr, nullptr)); }},
      {"tavrel_model_map_get_keys", "GEE_IS_HASH_MAP (map)",
       [&] { EXPECT_EQ (tavrel_model_map_get_keys (reinterpret_cast<GeeHashMap *> (rows)), nullptr); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.function);
    c.call ();
    expect_critical (critical_text (c.function, c.condition));
  }
  EXPECT_EQ (tavrel_model_list_get_size (rows), 0);
  EXPECT_EQ (tavrel_model_list_get_size (strings), 0);
  EXPECT_EQ (tavrel_model_map_get_size (attributes), 0);
  EXPECT_EQ (tavrel_model_map_get_size (diff), 0);

  g_object_unref (diff);
  g_object_unref (object);
  g_object_unref (column);
  g_object_unref (strings);
  g_object_unref (table);
}

}  // namespace
