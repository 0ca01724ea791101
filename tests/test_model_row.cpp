/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Change flags, column descriptions and rows. */

#include "tests/support.h"

using lmtest::NotifyCounter;
using lmtest::row_of;
using lmtest::take_string;
using lmtest::Watch;

namespace {

class Rows : public lmtest::Test {
 protected:
  static std::string text_at (TavrelModelDataRowModel *row, gint position)
  {
    g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, position);
    return value ? take_string (tavrel_model_data_value_object_to_string (value)) : "<none>";
  }
};

/* A value whose clone fails. */
struct TestUncloneable {
  TavrelModelDataValueObject parent_instance;
};
struct TestUncloneableClass {
  TavrelModelDataValueObjectClass parent_class;
};
G_DEFINE_TYPE (TestUncloneable, test_uncloneable, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
static void
test_uncloneable_class_init (TestUncloneableClass *klass)
{
  TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass)->clone = [] (TavrelModelDataValueObject *) {
    return (TavrelModelDataValueObject *) nullptr;
  };
}
static void
test_uncloneable_init (TestUncloneable *)
{
}

/* A row subclass, to see that clone copies into a plain row. */
struct TestRow {
  TavrelModelDataRowModel parent_instance;
};
struct TestRowClass {
  TavrelModelDataRowModelClass parent_class;
};
G_DEFINE_TYPE (TestRow, test_row, TAVREL_MODEL_DATA_TYPE_ROW_MODEL)
static void
test_row_class_init (TestRowClass *)
{
}
static void
test_row_init (TestRow *)
{
}

}  // namespace

TEST_F (Rows, VersionTexts)
{
  using V = TavrelModelTransformDataVersion;
  EXPECT_EQ (15, int (tavrel_model_transform_data_version_all ()));
  EXPECT_EQ ("INITIAL", take_string (tavrel_model_transform_data_version_to_string (V (0))));
  EXPECT_EQ ("IDENTICAL", take_string (tavrel_model_transform_data_version_to_string (V (1))));
  EXPECT_EQ ("DELETE", take_string (tavrel_model_transform_data_version_to_string (V (2))));
  EXPECT_EQ ("INSERT", take_string (tavrel_model_transform_data_version_to_string (V (4))));
  EXPECT_EQ ("UPDATE", take_string (tavrel_model_transform_data_version_to_string (V (8))));
  /* Combinations name their first member in table order. */
  EXPECT_EQ ("IDENTICAL", take_string (tavrel_model_transform_data_version_to_string (V (3))));
  EXPECT_EQ ("DELETE", take_string (tavrel_model_transform_data_version_to_string (V (6))));
  EXPECT_EQ ("INSERT", take_string (tavrel_model_transform_data_version_to_string (V (12))));
  EXPECT_EQ ("IDENTICAL", take_string (tavrel_model_transform_data_version_to_string (V (15))));
  /* No member's bits: nothing to name. */
  EXPECT_EQ (nullptr, tavrel_model_transform_data_version_to_string (V (16)));

  GFlagsClass *klass = G_FLAGS_CLASS (g_type_class_ref (TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION));
  EXPECT_STREQ ("TavrelModelTransformDataVersion", g_type_name (TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION));
  ASSERT_EQ (5u, klass->n_values);
  EXPECT_STREQ ("update", g_flags_get_first_value (klass, 8)->value_nick);
  EXPECT_STREQ ("TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL", klass->values[0].value_name);
  g_type_class_unref (klass);
}

TEST_F (Rows, ColumnConstructors)
{
  g_autoptr (TavrelModelDataColumnModel) plain = tavrel_model_data_column_model_new ();
  EXPECT_STREQ ("", tavrel_model_data_column_model_get_name (plain));
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_get_title (plain));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, tavrel_model_data_column_model_get_data_type (plain));
  EXPECT_EQ (0u, tavrel_model_data_column_model_get_data_size (plain));

  g_autoptr (TavrelModelDataColumnModel) typed = tavrel_model_data_column_model_new_with_type (TAVREL_MODEL_DATA_DATA_TYPE_BLOB);
  EXPECT_STREQ ("", tavrel_model_data_column_model_get_name (typed));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_BLOB, tavrel_model_data_column_model_get_data_type (typed));

  g_autoptr (TavrelModelDataColumnModel) full = tavrel_model_data_column_model_new_full ("id", TAVREL_MODEL_DATA_DATA_TYPE_INT32);
  EXPECT_STREQ ("id", tavrel_model_data_column_model_get_name (full));
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_get_title (full));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_INT32, tavrel_model_data_column_model_get_data_type (full));
  EXPECT_EQ (0u, tavrel_model_data_column_model_get_data_size (full));

  g_autoptr (TavrelModelDataColumnModel) sized =
      tavrel_model_data_column_model_new_full_size ("note", TAVREL_MODEL_DATA_DATA_TYPE_STRING, G_MAXSIZE);
  EXPECT_STREQ ("note", tavrel_model_data_column_model_get_name (sized));
  EXPECT_EQ (G_MAXSIZE, tavrel_model_data_column_model_get_data_size (sized));

  /* The property system assigns every default at construction: a bare
   * instance has a null name, unlike one made by new. */
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL, nullptr));
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_get_name (TAVREL_MODEL_DATA_COLUMN_MODEL (bare)));
  for (const char *name : {"name", "title", "data-type", "data-size"}) {
    GParamSpec *pspec = g_object_class_find_property (G_OBJECT_GET_CLASS (bare), name);
    ASSERT_NE (nullptr, pspec) << name;
    EXPECT_TRUE (pspec->flags & G_PARAM_CONSTRUCT) << name;
    EXPECT_TRUE (pspec->flags & G_PARAM_READWRITE) << name;
  }
  GParamSpec *size = g_object_class_find_property (G_OBJECT_GET_CLASS (bare), "data-size");
  EXPECT_EQ (G_TYPE_ULONG, size->value_type);
  EXPECT_EQ (G_MAXULONG, G_PARAM_SPEC_ULONG (size)->maximum);

  /* construct builds the given subtype, and only a column type. */
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_construct (TAVREL_MODEL_DATA_TYPE_ROW_MODEL));
  expect_critical (
      "tavrel_model_data_column_model_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL)' failed");
}

TEST_F (Rows, ColumnRejectsANullName)
{
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_new_full (nullptr, TAVREL_MODEL_DATA_DATA_TYPE_INT32));
  expect_critical ("tavrel_model_data_column_model_new_full: assertion 'column_name != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_construct_full (TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL, nullptr,
                                                                     TAVREL_MODEL_DATA_DATA_TYPE_INT32));
  expect_critical ("tavrel_model_data_column_model_construct_full: assertion 'column_name != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_new_full_size (nullptr, TAVREL_MODEL_DATA_DATA_TYPE_INT32, 4));
  expect_critical ("tavrel_model_data_column_model_new_full_size: assertion 'column_name != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_column_model_get_name (nullptr));
  expect_critical ("tavrel_model_data_column_model_get_name: assertion 'self != NULL' failed");
  tavrel_model_data_column_model_set_data_size (nullptr, 3);
  expect_critical ("tavrel_model_data_column_model_set_data_size: assertion 'self != NULL' failed");

  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_new ();
  tavrel_model_data_column_model_set_title ((TavrelModelDataColumnModel *) row, "x");
  expect_critical ("tavrel_model_data_column_model_set_title: assertion 'TAVREL_MODEL_DATA_IS_COLUMN_MODEL (self)' failed");
}

TEST_F (Rows, ColumnNotifiesOnlyOnChange)
{
  g_autoptr (TavrelModelDataColumnModel) column = tavrel_model_data_column_model_new_full ("a", TAVREL_MODEL_DATA_DATA_TYPE_INT32);
  NotifyCounter name (column, "name"), title (column, "title"), size (column, "data-size"), kind (column, "data-type");

  tavrel_model_data_column_model_set_data_size (column, 0);
  EXPECT_EQ (0, size.count ());
  tavrel_model_data_column_model_set_data_size (column, 16);
  tavrel_model_data_column_model_set_data_size (column, 16);
  EXPECT_EQ (1, size.count ());
  g_object_set (column, "data-size", gulong (16), nullptr);
  EXPECT_EQ (1, size.count ());
  g_object_set (column, "data-size", gulong (17), nullptr);
  EXPECT_EQ (2, size.count ());
  EXPECT_EQ (17u, tavrel_model_data_column_model_get_data_size (column));

  /* Strings compare by text, and null differs from "". */
  tavrel_model_data_column_model_set_name (column, "a");
  EXPECT_EQ (0, name.count ());
  tavrel_model_data_column_model_set_name (column, "b");
  EXPECT_EQ (1, name.count ());
  tavrel_model_data_column_model_set_title (column, nullptr);
  EXPECT_EQ (0, title.count ());
  tavrel_model_data_column_model_set_title (column, "");
  EXPECT_EQ (1, title.count ());
  EXPECT_STREQ ("", tavrel_model_data_column_model_get_title (column));
  g_object_set (column, "title", "Total", nullptr);
  EXPECT_EQ (2, title.count ());

  /* A setter handed the very string it holds keeps it intact. */
  tavrel_model_data_column_model_set_name (column, tavrel_model_data_column_model_get_name (column));
  EXPECT_STREQ ("b", tavrel_model_data_column_model_get_name (column));
  EXPECT_EQ (1, name.count ());

  g_object_set (column, "data-type", TAVREL_MODEL_DATA_DATA_TYPE_INT32, nullptr);
  EXPECT_EQ (0, kind.count ());
  tavrel_model_data_column_model_set_data_type (column, TAVREL_MODEL_DATA_DATA_TYPE_JSON);
  EXPECT_EQ (1, kind.count ());
  TavrelModelDataDataType read = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  g_object_get (column, "data-type", &read, nullptr);
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_JSON, read);
}

TEST_F (Rows, NewRowIsEmpty)
{
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_new ();
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL, tavrel_model_data_row_model_get_version (row));
  EXPECT_EQ (0, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tavrel_model_data_row_model_get_values (row))));
  EXPECT_EQ (nullptr, tavrel_model_data_row_model_get_value_at (row, 0));
  EXPECT_EQ (0u, g_list_model_get_n_items (G_LIST_MODEL (row)));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT, g_list_model_get_item_type (G_LIST_MODEL (row)));

  GeeArrayList *values = nullptr;
  g_object_get (row, "values", &values, nullptr);
  EXPECT_EQ (tavrel_model_data_row_model_get_values (row), values);
  g_object_unref (values);
}

TEST_F (Rows, ValuesAreReachedByPosition)
{
  g_autoptr (TavrelModelDataRowModel) row = row_of ({1, 2, 3});
  EXPECT_EQ ("1:e", text_at (row, 0));
  EXPECT_EQ ("3:e", text_at (row, 2));
  EXPECT_EQ ("<none>", text_at (row, 3));
  EXPECT_EQ ("<none>", text_at (row, -1));
  EXPECT_EQ ("<none>", text_at (row, G_MININT));

  GListModel *model = G_LIST_MODEL (row);
  EXPECT_EQ (3u, g_list_model_get_n_items (model));
  gpointer item = g_list_model_get_item (model, 1);
  g_autoptr (TavrelModelDataValueObject) direct = tavrel_model_data_row_model_get_value_at (row, 1);
  EXPECT_EQ (item, direct);
  g_object_unref (item);
  EXPECT_EQ (nullptr, g_list_model_get_item (model, 3));
  EXPECT_EQ (nullptr, g_list_model_get_item (model, G_MAXUINT));
}

TEST_F (Rows, SetValueAtReplacesInPlace)
{
  g_autoptr (TavrelModelDataRowModel) row = row_of ({1, 2});
  tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  NotifyCounter version (row, "version");

  TavrelModelDataValueObject *old_value = tavrel_model_data_row_model_get_value_at (row, 1);
  Watch old_watch (old_value);
  g_object_unref (old_value);

  g_autoptr (TavrelModelDataValueError) replacement = tavrel_model_data_value_error_new (9, "new");
  tavrel_model_data_row_model_set_value_at (row, 1, TAVREL_MODEL_DATA_VALUE_OBJECT (replacement));
  EXPECT_TRUE (old_watch.finalized ()) << "the row released the value it replaced";
  EXPECT_EQ ("9:new", text_at (row, 1));
  EXPECT_EQ (2u, g_list_model_get_n_items (G_LIST_MODEL (row)));
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_data_row_model_get_version (row));
  EXPECT_EQ (0, version.count ());
}

TEST_F (Rows, SetValueAtOutsideTheRowChangesNothing)
{
  g_autoptr (TavrelModelDataRowModel) row = row_of ({1, 2});
  g_autoptr (TavrelModelDataValueError) value = tavrel_model_data_value_error_new (9, "new");
  auto *base = TAVREL_MODEL_DATA_VALUE_OBJECT (value);

  for (gint position : {2, -1, G_MAXINT}) {
    tavrel_model_data_row_model_set_value_at (row, position, base);
    expect_critical (
        "tavrel_model_data_row_model_set_value_at: assertion '0 <= position && position < m_values.size' failed");
  }
  tavrel_model_data_row_model_set_value_at (row, 0, nullptr);
  expect_critical ("tavrel_model_data_row_model_set_value_at: assertion 'value != NULL' failed");
  /* Anything but a value would break every reader of the row. */
  g_autoptr (TavrelModelDataRowModel) stranger = tavrel_model_data_row_model_new ();
  tavrel_model_data_row_model_set_value_at (row, 0, (TavrelModelDataValueObject *) stranger);
  expect_critical ("tavrel_model_data_row_model_set_value_at: assertion 'TAVREL_MODEL_DATA_IS_VALUE_OBJECT (value)' failed");
  tavrel_model_data_row_model_set_value_at (nullptr, 0, base);
  expect_critical ("tavrel_model_data_row_model_set_value_at: assertion 'self != NULL' failed");

  EXPECT_EQ (2u, g_list_model_get_n_items (G_LIST_MODEL (row)));
  EXPECT_EQ ("1:e", text_at (row, 0));
  EXPECT_EQ ("2:e", text_at (row, 1));
  EXPECT_EQ (1u, G_OBJECT (value)->ref_count) << "a refused value is not kept";
}

TEST_F (Rows, CloneIsDeep)
{
  g_autoptr (TavrelModelDataRowModel) row = row_of ({1, 2, 3});
  tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  g_autoptr (TavrelModelDataRowModel) copy = tavrel_model_data_row_model_clone (row);
  ASSERT_NE (nullptr, copy);
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_data_row_model_get_version (copy));
  EXPECT_NE (tavrel_model_data_row_model_get_values (row), tavrel_model_data_row_model_get_values (copy));
  ASSERT_EQ (3u, g_list_model_get_n_items (G_LIST_MODEL (copy)));
  for (gint i = 0; i < 3; i++) {
    g_autoptr (TavrelModelDataValueObject) a = tavrel_model_data_row_model_get_value_at (row, i);
    g_autoptr (TavrelModelDataValueObject) b = tavrel_model_data_row_model_get_value_at (copy, i);
    EXPECT_NE (a, b);
    EXPECT_EQ (text_at (row, i), text_at (copy, i));
  }

  /* Changing the copy leaves the source alone. */
  g_autoptr (TavrelModelDataValueError) other = tavrel_model_data_value_error_new (5, "x");
  tavrel_model_data_row_model_set_value_at (copy, 0, TAVREL_MODEL_DATA_VALUE_OBJECT (other));
  tavrel_model_data_row_model_set_version (copy, TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);
  EXPECT_EQ ("1:e", text_at (row, 0));
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_data_row_model_get_version (row));
}

TEST_F (Rows, CloneKeepsPositionsWhenAValueCannotBeCloned)
{
  g_autoptr (TavrelModelDataRowModel) row = row_of ({1});
  g_autoptr (GObject) odd = G_OBJECT (tavrel_model_data_value_object_construct (test_uncloneable_get_type ()));
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), odd);
  g_autoptr (TavrelModelDataValueError) last = tavrel_model_data_value_error_new (3, "e");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), last);

  g_autoptr (TavrelModelDataRowModel) copy = tavrel_model_data_row_model_clone (row);
  ASSERT_EQ (3u, g_list_model_get_n_items (G_LIST_MODEL (copy)));
  EXPECT_EQ ("<none>", text_at (copy, 1));
  EXPECT_EQ ("3:e", text_at (copy, 2));
}

TEST_F (Rows, CloneOfADerivedRowIsAPlainRow)
{
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_construct (test_row_get_type ());
  ASSERT_NE (nullptr, row);
  g_autoptr (TavrelModelDataRowModel) copy = tavrel_model_data_row_model_clone (row);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_ROW_MODEL, G_OBJECT_TYPE (copy));
}

TEST_F (Rows, VersionNotifiesOnlyOnChange)
{
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_new ();
  NotifyCounter version (row, "version");
  tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL);
  EXPECT_EQ (0, version.count ());
  tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT);
  EXPECT_EQ (1, version.count ());
  g_object_set (row, "version", TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT, nullptr);
  EXPECT_EQ (1, version.count ());
  g_object_set (row, "version", TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT | TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE,
                nullptr);
  EXPECT_EQ (2, version.count ());
  EXPECT_EQ (12, int (tavrel_model_data_row_model_get_version (row)));

  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL, tavrel_model_data_row_model_get_version (nullptr));
  expect_critical ("tavrel_model_data_row_model_get_version: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_row_model_clone (nullptr));
  expect_critical ("tavrel_model_data_row_model_clone: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_row_model_get_value_at (nullptr, 0));
  expect_critical ("tavrel_model_data_row_model_get_value_at: assertion 'self != NULL' failed");
}

TEST_F (Rows, ReleasingARowReleasesItsValues)
{
  TavrelModelDataRowModel *row = row_of ({1, 2});
  TavrelModelDataValueObject *first = tavrel_model_data_row_model_get_value_at (row, 0);
  TavrelModelDataRowModel *copy = tavrel_model_data_row_model_clone (row);
  TavrelModelDataValueObject *copied = tavrel_model_data_row_model_get_value_at (copy, 0);
  Watch row_watch (row), first_watch (first), copy_watch (copy), copied_watch (copied);
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  Watch list_watch (values);
  g_object_unref (first);
  g_object_unref (copied);

  g_object_unref (row);
  EXPECT_TRUE (row_watch.finalized ());
  EXPECT_TRUE (list_watch.finalized ());
  EXPECT_TRUE (first_watch.finalized ());
  EXPECT_FALSE (copied_watch.finalized ()) << "the copy owns its own values";
  g_object_unref (copy);
  EXPECT_TRUE (copy_watch.finalized ());
  EXPECT_TRUE (copied_watch.finalized ());
}

/* A row filled by the library keeps its values in storage of its own until
 * a caller asks for the list; the list then holds those very values and is
 * from then on the row's storage: what goes in through either is seen
 * through both, and by every reader. */
TEST_F (Rows, TheListHandedOutIsTheRowsStorage)
{
  g_autoptr (TavrelModelDataRowModel) source = row_of ({1, 2});
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_clone (source);
  ASSERT_EQ (2u, g_list_model_get_n_items (G_LIST_MODEL (row)));

  /* Written before the list exists, seen in the list made afterwards. */
  g_autoptr (TavrelModelDataValueError) early = tavrel_model_data_value_error_new (7, "early");
  tavrel_model_data_row_model_set_value_at (row, 1, TAVREL_MODEL_DATA_VALUE_OBJECT (early));
  g_autoptr (TavrelModelDataValueObject) first = tavrel_model_data_row_model_get_value_at (row, 0);

  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  ASSERT_NE (nullptr, values);
  ASSERT_EQ (2, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (values)));
  gpointer listed_first = gee_abstract_list_get (GEE_ABSTRACT_LIST (values), 0);
  gpointer listed_second = gee_abstract_list_get (GEE_ABSTRACT_LIST (values), 1);
  EXPECT_EQ (first, listed_first) << "the list holds the row's own values, not copies";
  EXPECT_EQ (early, listed_second);
  g_object_unref (listed_first);
  g_object_unref (listed_second);
  EXPECT_EQ (2u, G_OBJECT (early)->ref_count) << "the value moved into the list and is held once";
  EXPECT_EQ (values, tavrel_model_data_row_model_get_values (row)) << "one list for the row's life";
  GeeArrayList *property = nullptr;
  g_object_get (row, "values", &property, nullptr);
  EXPECT_EQ (values, property);
  g_object_unref (property);

  /* Added through the list: seen by position, by the list model and by clone. */
  g_autoptr (TavrelModelDataValueError) added = tavrel_model_data_value_error_new (8, "added");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), added);
  EXPECT_EQ ("8:added", text_at (row, 2));
  ASSERT_EQ (3u, g_list_model_get_n_items (G_LIST_MODEL (row)));
  gpointer item = g_list_model_get_item (G_LIST_MODEL (row), 2);
  EXPECT_EQ (added, item);
  g_object_unref (item);
  g_autoptr (TavrelModelDataRowModel) copy = tavrel_model_data_row_model_clone (row);
  ASSERT_EQ (3u, g_list_model_get_n_items (G_LIST_MODEL (copy)));
  EXPECT_EQ ("1:e", text_at (copy, 0));
  EXPECT_EQ ("7:early", text_at (copy, 1));
  EXPECT_EQ ("8:added", text_at (copy, 2));

  /* Written through the row, seen in the list. */
  g_autoptr (TavrelModelDataValueError) late = tavrel_model_data_value_error_new (9, "late");
  tavrel_model_data_row_model_set_value_at (row, 0, TAVREL_MODEL_DATA_VALUE_OBJECT (late));
  gpointer replaced = gee_abstract_list_get (GEE_ABSTRACT_LIST (values), 0);
  EXPECT_EQ (late, replaced);
  g_object_unref (replaced);
  tavrel_model_data_row_model_set_value_at (row, 3, TAVREL_MODEL_DATA_VALUE_OBJECT (late));
  expect_critical ("tavrel_model_data_row_model_set_value_at: assertion '0 <= position && position < m_values.size' failed");

  /* Removed through the list: gone for every reader. */
  gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (values));
  EXPECT_EQ (0u, g_list_model_get_n_items (G_LIST_MODEL (row)));
  EXPECT_EQ ("<none>", text_at (row, 0));
}

/* The copy's values are its own whether or not either row handed out its
 * list, and releasing a row releases them however they are stored. */
TEST_F (Rows, StorageOfEitherKindOwnsItsValues)
{
  for (bool listed : {false, true}) {
    TavrelModelDataRowModel *source = row_of ({1, 2, 3});
    TavrelModelDataRowModel *row = tavrel_model_data_row_model_clone (source);
    g_object_unref (source);
    if (listed)
      tavrel_model_data_row_model_get_values (row);
    TavrelModelDataValueObject *values[3];
    for (gint i = 0; i < 3; i++) {
      values[i] = tavrel_model_data_row_model_get_value_at (row, i);
      EXPECT_EQ (2u, G_OBJECT (values[i])->ref_count) << "held by the row and the test";
    }
    Watch row_watch (row), first (values[0]), second (values[1]), third (values[2]);
    /* A value replaced in place is released at once, the new one kept. */
    g_autoptr (TavrelModelDataValueError) replacement = tavrel_model_data_value_error_new (5, "r");
    tavrel_model_data_row_model_set_value_at (row, 1, TAVREL_MODEL_DATA_VALUE_OBJECT (replacement));
    for (TavrelModelDataValueObject *value : values)
      g_object_unref (value);
    EXPECT_TRUE (second.finalized ()) << "listed " << listed;
    EXPECT_FALSE (first.finalized ());
    /* Handing back the value already there keeps it. */
    tavrel_model_data_row_model_set_value_at (row, 1, TAVREL_MODEL_DATA_VALUE_OBJECT (replacement));
    EXPECT_EQ ("5:r", text_at (row, 1));

    g_object_unref (row);
    EXPECT_TRUE (row_watch.finalized ());
    EXPECT_TRUE (first.finalized ());
    EXPECT_TRUE (third.finalized ());
    EXPECT_EQ (1u, G_OBJECT (replacement)->ref_count);
  }
}

/* Anything put in the list is handed out as it is, and whatever is no
 * value is reported each time it is read. */
TEST_F (Rows, AnElementThatIsNoValueIsReportedWhenRead)
{
  g_autoptr (TavrelModelDataRowModel) row = row_of ({1});
  g_autoptr (TavrelModelDataColumnModel) stranger = tavrel_model_data_column_model_new ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_row_model_get_values (row)), stranger);
  for (int i = 0; i < 2; i++) {
    TavrelModelDataValueObject *read = tavrel_model_data_row_model_get_value_at (row, 1);
    EXPECT_EQ ((gpointer) stranger, (gpointer) read);
    g_object_unref (read);
    std::vector<lmtest::LogRecord> log = take_log ();
    ASSERT_EQ (1u, log.size ()) << "read " << i;
    EXPECT_NE (std::string::npos, log[0].message.find ("invalid cast from 'TavrelModelDataColumnModel'"))
        << log[0].message;
  }
  EXPECT_EQ ("1:e", text_at (row, 0));
  EXPECT_EQ (0u, pending ());
}
