/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Value kinds, the value interface, the base value class, NULL and error. */

#include "tests/support.h"

using lmtest::take_string;

namespace {

class ValueFrame : public lmtest::Test {};

/* A value class that overrides only to_string, as a C caller would derive. */
struct TestText {
  TavrelModelDataValueObject parent_instance;
};
struct TestTextClass {
  TavrelModelDataValueObjectClass parent_class;
};
G_DEFINE_TYPE (TestText, test_text, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
static void
test_text_class_init (TestTextClass *klass)
{
  TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass)->to_string = [] (TavrelModelDataValueObject *) {
    return g_strdup ("overridden");
  };
}
static void
test_text_init (TestText *)
{
}

/* An IValue implementation that fills none of the slots. */
struct TestBare {
  GObject parent_instance;
};
struct TestBareClass {
  GObjectClass parent_class;
};
static void test_bare_ivalue_init (TavrelModelDataIValueInterface *) {}
G_DEFINE_TYPE_WITH_CODE (TestBare, test_bare, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_IVALUE, test_bare_ivalue_init))
static void
test_bare_get_property (GObject *, guint, GValue *, GParamSpec *)
{
}
static void
test_bare_class_init (TestBareClass *klass)
{
  G_OBJECT_CLASS (klass)->get_property = test_bare_get_property;
  g_object_class_override_property (G_OBJECT_CLASS (klass), 1, "name");
  g_object_class_override_property (G_OBJECT_CLASS (klass), 2, "data-type");
  g_object_class_override_property (G_OBJECT_CLASS (klass), 3, "is-null");
}
static void
test_bare_init (TestBare *)
{
}

TavrelModelDataIValue *
as_ivalue (gpointer value)
{
  return TAVREL_MODEL_DATA_IVALUE (value);
}

}  // namespace

TEST_F (ValueFrame, KindNamesFollowTheRegisteredEnumeration)
{
  EXPECT_EQ ("unknown", take_string (tavrel_model_data_data_type_to_string (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN)));
  EXPECT_EQ ("int32", take_string (tavrel_model_data_data_type_to_string (TAVREL_MODEL_DATA_DATA_TYPE_INT32)));
  EXPECT_EQ ("wstring", take_string (tavrel_model_data_data_type_to_string (TAVREL_MODEL_DATA_DATA_TYPE_WSTRING)));
  EXPECT_EQ ("error", take_string (tavrel_model_data_data_type_to_string (TAVREL_MODEL_DATA_DATA_TYPE_ERROR)));
  /* Not members: null, and no critical. */
  EXPECT_EQ (nullptr, tavrel_model_data_data_type_to_string (TavrelModelDataDataType (41)));
  EXPECT_EQ (nullptr, tavrel_model_data_data_type_to_string (TavrelModelDataDataType (-1)));

  GEnumClass *klass = G_ENUM_CLASS (g_type_class_ref (TAVREL_MODEL_DATA_TYPE_DATA_TYPE));
  EXPECT_STREQ ("TavrelModelDataDataType", g_type_name (TAVREL_MODEL_DATA_TYPE_DATA_TYPE));
  ASSERT_EQ (41u, klass->n_values);
  EXPECT_EQ (0, klass->minimum);
  EXPECT_EQ (40, klass->maximum);
  for (int kind = 0; kind <= 40; kind++) {
    GEnumValue *member = g_enum_get_value (klass, kind);
    ASSERT_NE (nullptr, member) << kind;
    g_autofree gchar *upper = g_ascii_strup (member->value_nick, -1);
    EXPECT_EQ (std::string ("TAVREL_MODEL_DATA_DATA_TYPE_") + upper, member->value_name);
    EXPECT_EQ (member->value_nick, take_string (tavrel_model_data_data_type_to_string (TavrelModelDataDataType (kind))));
  }
  g_type_class_unref (klass);
}

TEST_F (ValueFrame, KindsMapToGLibTypes)
{
  struct {
    TavrelModelDataDataType kind;
    GType type;
  } const cases[] = {
      {TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, G_TYPE_STRING},
      {TAVREL_MODEL_DATA_DATA_TYPE_DBNULL, TAVREL_MODEL_DATA_TYPE_VALUE_NULL},
      {TAVREL_MODEL_DATA_DATA_TYPE_CHAR, G_TYPE_UCHAR},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT8, G_TYPE_CHAR},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT16, G_TYPE_INT},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT16, G_TYPE_UINT},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT32, G_TYPE_INT},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT64, G_TYPE_INT64},
      {TAVREL_MODEL_DATA_DATA_TYPE_SET, G_TYPE_ENUM},
      {TAVREL_MODEL_DATA_DATA_TYPE_DATE, G_TYPE_DATE},
      {TAVREL_MODEL_DATA_DATA_TYPE_TIME, G_TYPE_POINTER},
      {TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, G_TYPE_DATE_TIME},
      {TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP, G_TYPE_STRING},
      {TAVREL_MODEL_DATA_DATA_TYPE_BLOB, G_TYPE_BYTES},
      {TAVREL_MODEL_DATA_DATA_TYPE_OBJECT, G_TYPE_OBJECT},
      {TAVREL_MODEL_DATA_DATA_TYPE_POINTER, G_TYPE_STRING},
      {TAVREL_MODEL_DATA_DATA_TYPE_VARIANT, G_TYPE_VARIANT},
      {TAVREL_MODEL_DATA_DATA_TYPE_RANGE, G_TYPE_ARRAY},
      {TAVREL_MODEL_DATA_DATA_TYPE_COMPOSITE, G_TYPE_BYTES},
      {TAVREL_MODEL_DATA_DATA_TYPE_ERROR, G_TYPE_STRING},
      {TavrelModelDataDataType (41), G_TYPE_STRING},
      {TavrelModelDataDataType (-7), G_TYPE_STRING},
  };
  for (const auto &c : cases)
    EXPECT_EQ (g_type_name (c.type), std::string (g_type_name (tavrel_model_data_data_type_get_glib_type (c.kind))))
        << "kind " << int (c.kind);
}

TEST_F (ValueFrame, GLibTypesMapToKinds)
{
  struct {
    GType type;
    TavrelModelDataDataType kind;
  } const cases[] = {
      {G_TYPE_CHAR, TAVREL_MODEL_DATA_DATA_TYPE_INT8},
      {G_TYPE_UCHAR, TAVREL_MODEL_DATA_DATA_TYPE_UINT8},
      {G_TYPE_BOOLEAN, TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN},
      {G_TYPE_INT, TAVREL_MODEL_DATA_DATA_TYPE_INT32},
      {G_TYPE_LONG, TAVREL_MODEL_DATA_DATA_TYPE_INT32},
      {G_TYPE_UINT, TAVREL_MODEL_DATA_DATA_TYPE_UINT32},
      {G_TYPE_ULONG, TAVREL_MODEL_DATA_DATA_TYPE_UINT32},
      {G_TYPE_INT64, TAVREL_MODEL_DATA_DATA_TYPE_INT64},
      {G_TYPE_UINT64, TAVREL_MODEL_DATA_DATA_TYPE_UINT64},
      {G_TYPE_ENUM, TAVREL_MODEL_DATA_DATA_TYPE_ENUM},
      {G_TYPE_FLAGS, TAVREL_MODEL_DATA_DATA_TYPE_FLAGS},
      {G_TYPE_FLOAT, TAVREL_MODEL_DATA_DATA_TYPE_FLOAT},
      {G_TYPE_DOUBLE, TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE},
      {G_TYPE_STRING, TAVREL_MODEL_DATA_DATA_TYPE_STRING},
      {G_TYPE_DATE, TAVREL_MODEL_DATA_DATA_TYPE_DATE},
      {G_TYPE_DATE_TIME, TAVREL_MODEL_DATA_DATA_TYPE_DATETIME},
      {G_TYPE_OBJECT, TAVREL_MODEL_DATA_DATA_TYPE_OBJECT},
      {G_TYPE_BYTES, TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN},
      {G_TYPE_POINTER, TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN},
      /* A registered enumeration is not the fundamental G_TYPE_ENUM. */
      {TAVREL_MODEL_DATA_TYPE_DATA_TYPE, TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN},
      {TAVREL_MODEL_DATA_TYPE_ROW_MODEL, TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN},
      {G_TYPE_INVALID, TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN},
  };
  for (const auto &c : cases)
    EXPECT_EQ (c.kind, tavrel_model_data_data_type_get_data_type (c.type)) << g_type_name (c.type);

  /* Names compare after lower-casing, whatever their case. */
  static const GTypeInfo info = {sizeof (GObjectClass), nullptr, nullptr, nullptr, nullptr, nullptr,
                                 sizeof (GObject), 0, nullptr, nullptr};
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_XML,
             tavrel_model_data_data_type_get_data_type (g_type_register_static (G_TYPE_OBJECT, "Xml", &info, GTypeFlags (0))));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_DATETIME,
             tavrel_model_data_data_type_get_data_type (g_type_register_static (G_TYPE_OBJECT, "GTimeStamp", &info, GTypeFlags (0))));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_DBNULL,
             tavrel_model_data_data_type_get_data_type (g_type_register_static (G_TYPE_OBJECT, "GNULL", &info, GTypeFlags (0))));

  /* The two mappings are not inverse. */
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_INT32,
             tavrel_model_data_data_type_get_data_type (
                 tavrel_model_data_data_type_get_glib_type (TAVREL_MODEL_DATA_DATA_TYPE_UINT32)));
}

TEST_F (ValueFrame, BaseValueDefaults)
{
  g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_value_object_new ();
  EXPECT_EQ ("TavrelModelDataValueObject => ", take_string (tavrel_model_data_value_object_dump (value)));
  EXPECT_EQ ("", take_string (tavrel_model_data_value_object_to_string (value)));
  EXPECT_STREQ ("UNKNOWN", tavrel_model_data_value_object_get_name (value));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, tavrel_model_data_value_object_get_data_type (value));
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (value));

  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (value, &out);
  ASSERT_TRUE (G_VALUE_HOLDS_STRING (&out));
  EXPECT_STREQ ("", g_value_get_string (&out));

  g_autofree gchar *name = nullptr;
  TavrelModelDataDataType kind = TAVREL_MODEL_DATA_DATA_TYPE_ERROR;
  gboolean is_null = TRUE;
  g_object_get (value, "name", &name, "data-type", &kind, "is-null", &is_null, nullptr);
  EXPECT_STREQ ("UNKNOWN", name);
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, kind);
  EXPECT_FALSE (is_null);

  /* The properties are read-only: writing one is refused by GObject. */
  GParamSpec *pspec = g_object_class_find_property (G_OBJECT_GET_CLASS (value), "is-null");
  ASSERT_NE (nullptr, pspec);
  EXPECT_FALSE (pspec->flags & G_PARAM_WRITABLE);
}

TEST_F (ValueFrame, CloneOfABaseValueIsANewPlainValue)
{
  g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_value_object_new ();
  g_autoptr (TavrelModelDataValueObject) copy = tavrel_model_data_value_object_clone (value);
  ASSERT_NE (nullptr, copy);
  EXPECT_NE (value, copy);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT, G_OBJECT_TYPE (copy));

  /* A subclass that does not override clone still gets a plain value. */
  g_autoptr (GObject) text = G_OBJECT (tavrel_model_data_value_object_construct (test_text_get_type ()));
  g_autoptr (TavrelModelDataValueObject) text_copy = tavrel_model_data_value_object_clone (TAVREL_MODEL_DATA_VALUE_OBJECT (text));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT, G_OBJECT_TYPE (text_copy));
}

TEST_F (ValueFrame, OverridingAClassOperationServesBothEntryPoints)
{
  g_autoptr (GObject) value = G_OBJECT (tavrel_model_data_value_object_construct (test_text_get_type ()));
  ASSERT_NE (nullptr, value);
  EXPECT_EQ ("overridden", take_string (tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (value))));
  EXPECT_EQ ("overridden", take_string (tavrel_model_data_ivalue_to_string (as_ivalue (value))));
  /* dump uses the object's own rendering and its actual type name. */
  EXPECT_EQ ("TestText => overridden", take_string (tavrel_model_data_ivalue_dump (as_ivalue (value))));
  EXPECT_STREQ ("UNKNOWN", tavrel_model_data_ivalue_get_name (as_ivalue (value)));
}

TEST_F (ValueFrame, InterfaceDispatchersFollowTheClass)
{
  g_autoptr (TavrelModelDataValueNull) null = tavrel_model_data_value_null_new ();
  TavrelModelDataIValue *value = as_ivalue (null);
  EXPECT_STREQ ("NULL", tavrel_model_data_ivalue_get_name (value));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_DBNULL, tavrel_model_data_ivalue_get_data_type (value));
  EXPECT_TRUE (tavrel_model_data_ivalue_get_is_null (value));
  EXPECT_EQ ("", take_string (tavrel_model_data_ivalue_to_string (value)));
  EXPECT_EQ ("TavrelModelDataValueNull => ", take_string (tavrel_model_data_ivalue_dump (value)));
  g_autoptr (TavrelModelDataIValue) copy = tavrel_model_data_ivalue_clone (value);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_NULL, G_OBJECT_TYPE (copy));
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (value, &out);
  EXPECT_STREQ ("NULL", g_value_get_string (&out));
}

TEST_F (ValueFrame, AnImplementationWithoutSlotsGivesNeutralResults)
{
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (test_bare_get_type (), nullptr));
  TavrelModelDataIValue *value = as_ivalue (bare);
  EXPECT_EQ (nullptr, tavrel_model_data_ivalue_to_string (value));
  EXPECT_EQ (nullptr, tavrel_model_data_ivalue_clone (value));
  EXPECT_EQ (nullptr, tavrel_model_data_ivalue_dump (value));
  EXPECT_EQ (nullptr, tavrel_model_data_ivalue_get_name (value));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, tavrel_model_data_ivalue_get_data_type (value));
  EXPECT_FALSE (tavrel_model_data_ivalue_get_is_null (value));
  GValue out = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (value, &out);
  EXPECT_EQ (G_TYPE_INVALID, G_VALUE_TYPE (&out));
}

TEST_F (ValueFrame, BadArgumentsAreReportedByName)
{
  EXPECT_EQ (nullptr, tavrel_model_data_ivalue_to_string (nullptr));
  expect_critical ("tavrel_model_data_ivalue_to_string: assertion 'self != NULL' failed");
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, tavrel_model_data_ivalue_get_data_type (nullptr));
  expect_critical ("tavrel_model_data_ivalue_get_data_type: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_dump (nullptr));
  expect_critical ("tavrel_model_data_value_object_dump: assertion 'self != NULL' failed");
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (nullptr));
  expect_critical ("tavrel_model_data_value_object_get_is_null: assertion 'self != NULL' failed");

  /* An object that is not a value. */
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_new ();
  EXPECT_EQ (nullptr, tavrel_model_data_ivalue_get_name ((TavrelModelDataIValue *) row));
  expect_critical ("tavrel_model_data_ivalue_get_name: assertion 'TAVREL_MODEL_DATA_IS_IVALUE (self)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_clone ((TavrelModelDataValueObject *) row));
  expect_critical ("tavrel_model_data_value_object_clone: assertion 'TAVREL_MODEL_DATA_IS_VALUE_OBJECT (self)' failed");

  /* to_value leaves the output untouched on a null object, and needs one. */
  GValue out = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (nullptr, &out);
  expect_critical ("tavrel_model_data_ivalue_to_value: assertion 'self != NULL' failed");
  EXPECT_EQ (G_TYPE_INVALID, G_VALUE_TYPE (&out));
  g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_value_object_new ();
  tavrel_model_data_value_object_to_value (value, nullptr);
  expect_critical ("tavrel_model_data_value_object_to_value: assertion 'result != NULL' failed");

  /* construct refuses a type that is not a value class. */
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_construct (G_TYPE_OBJECT));
  expect_critical (
      "tavrel_model_data_value_object_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)' failed");
}

TEST_F (ValueFrame, NullValue)
{
  g_autoptr (TavrelModelDataValueNull) value = tavrel_model_data_value_null_new ();
  auto *base = TAVREL_MODEL_DATA_VALUE_OBJECT (value);
  EXPECT_STREQ ("NULL", tavrel_model_data_value_null_get_itsvalue (value));
  EXPECT_EQ ("", take_string (tavrel_model_data_value_object_to_string (base)));
  EXPECT_TRUE (tavrel_model_data_value_object_get_is_null (base));

  g_autofree gchar *itsvalue = nullptr;
  g_autofree gchar *name = nullptr;
  gboolean is_null = FALSE;
  g_object_get (value, "itsvalue", &itsvalue, "name", &name, "is-null", &is_null, nullptr);
  EXPECT_STREQ ("NULL", itsvalue);
  EXPECT_STREQ ("NULL", name);
  EXPECT_TRUE (is_null);

  EXPECT_EQ (nullptr, tavrel_model_data_value_null_get_itsvalue (nullptr));
  expect_critical ("tavrel_model_data_value_null_get_itsvalue: assertion 'self != NULL' failed");
}

TEST_F (ValueFrame, ErrorValue)
{
  g_autoptr (TavrelModelDataValueError) value = tavrel_model_data_value_error_new (-3, "timeout");
  ASSERT_NE (nullptr, value);
  auto *base = TAVREL_MODEL_DATA_VALUE_OBJECT (value);
  EXPECT_EQ ("-3:timeout", take_string (tavrel_model_data_value_object_to_string (base)));
  EXPECT_EQ ("-3:timeout", take_string (tavrel_model_data_value_error_get_itsvalue (value)));
  EXPECT_EQ ("TavrelModelDataValueError => -3:timeout", take_string (tavrel_model_data_value_object_dump (base)));
  EXPECT_STREQ ("error", tavrel_model_data_value_object_get_name (base));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_ERROR, tavrel_model_data_value_object_get_data_type (base));
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (base));

  g_autofree gchar *itsvalue = nullptr;
  g_object_get (value, "itsvalue", &itsvalue, nullptr);
  EXPECT_STREQ ("-3:timeout", itsvalue);

  g_autoptr (TavrelModelDataValueObject) copy = tavrel_model_data_value_object_clone (base);
  EXPECT_NE (base, copy);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_ERROR, G_OBJECT_TYPE (copy));
  EXPECT_EQ ("-3:timeout", take_string (tavrel_model_data_value_object_to_string (copy)));

  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (base, &out);
  ASSERT_TRUE (G_VALUE_HOLDS (&out, G_TYPE_ERROR));
  auto *error = static_cast<GError *> (g_value_get_boxed (&out));
  EXPECT_EQ (g_quark_from_string ("SQL"), error->domain);
  EXPECT_EQ (-3, error->code);
  EXPECT_STREQ ("timeout", error->message);

  /* An empty message is a message. */
  g_autoptr (TavrelModelDataValueError) empty = tavrel_model_data_value_error_new (0, "");
  EXPECT_EQ ("0:", take_string (tavrel_model_data_value_error_get_itsvalue (empty)));
}

TEST_F (ValueFrame, ErrorValueRejectsANullMessage)
{
  EXPECT_EQ (nullptr, tavrel_model_data_value_error_new (1, nullptr));
  expect_critical ("tavrel_model_data_value_error_new: assertion 'message != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_error_construct (TAVREL_MODEL_DATA_TYPE_VALUE_ERROR, 1, nullptr));
  expect_critical ("tavrel_model_data_value_error_construct: assertion 'message != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_error_construct (TAVREL_MODEL_DATA_TYPE_VALUE_NULL, 1, "x"));
  expect_critical (
      "tavrel_model_data_value_error_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_VALUE_ERROR)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_error_get_itsvalue (nullptr));
  expect_critical ("tavrel_model_data_value_error_get_itsvalue: assertion 'self != NULL' failed");
}

TEST_F (ValueFrame, ReleasingTheLastReferenceFinalizes)
{
  TavrelModelDataValueError *error = tavrel_model_data_value_error_new (7, "gone");
  TavrelModelDataValueObject *copy = tavrel_model_data_value_object_clone (TAVREL_MODEL_DATA_VALUE_OBJECT (error));
  lmtest::Watch error_watch (error), copy_watch (copy);
  g_object_unref (error);
  EXPECT_TRUE (error_watch.finalized ());
  EXPECT_FALSE (copy_watch.finalized ());
  g_object_unref (copy);
  EXPECT_TRUE (copy_watch.finalized ());
}
