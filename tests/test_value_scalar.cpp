/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* The eight integer widths and the IInteger and IUnsigned readings. */

#include <algorithm>
#include <limits>
#include <vector>

#include "tests/support.h"

using lmtest::as_value;
using lmtest::NotifyCounter;
using lmtest::own_properties;
using lmtest::take_string;
using lmtest::Watch;

namespace {

/* One width's public functions and what it is expected to answer. */
#define WIDTH(Name, name, NAME, ctype, short_name, gvalue_type, min_text, max_text)                               \
  struct Name {                                                                                                 \
    using Value = TavrelModelDataValue##Name;                                                                   \
    using T = ctype;                                                                                            \
    static constexpr auto type = tavrel_model_data_value_##name##_get_type;                                     \
    static constexpr auto make = tavrel_model_data_value_##name##_new;                                          \
    static constexpr auto construct = tavrel_model_data_value_##name##_construct;                               \
    static constexpr auto get = tavrel_model_data_value_##name##_get_##name;                                    \
    static constexpr auto get_itsvalue = tavrel_model_data_value_##name##_get_itsvalue;                         \
    static constexpr auto set_itsvalue = tavrel_model_data_value_##name##_set_itsvalue;                         \
    static constexpr const char *function = "tavrel_model_data_value_" #name;                                   \
    static constexpr const char *getter = "tavrel_model_data_value_" #name "_get_" #name;                       \
    static constexpr const char *type_name = "TavrelModelDataValue" #Name;                                      \
    static constexpr const char *is_check = "TAVREL_MODEL_DATA_IS_VALUE_" #NAME " (self)";                       \
    static constexpr const char *type_check = "g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_" #NAME ")"; \
    static constexpr const char *value_name = short_name;                                                       \
    static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_##NAME;                                            \
    static constexpr GType value_type = gvalue_type;                                                            \
    static constexpr T min = std::numeric_limits<T>::min ();                                                    \
    static constexpr T max = std::numeric_limits<T>::max ();                                                    \
    static constexpr const char *min_string = min_text;                                                         \
    static constexpr const char *max_string = max_text;                                                         \
  };

WIDTH (Int8, int8, INT8, gint8, "byte", G_TYPE_CHAR, "-128", "127")
WIDTH (Int16, int16, INT16, gint16, "int16", G_TYPE_INT, "-32768", "32767")
WIDTH (Int32, int32, INT32, gint32, "int32", G_TYPE_INT, "-2147483648", "2147483647")
WIDTH (Int64, int64, INT64, gint64, "int64", G_TYPE_INT64, "-9223372036854775808", "9223372036854775807")
WIDTH (UInt8, uint8, UINT8, guint8, "uint8", G_TYPE_UCHAR, "0", "255")
WIDTH (UInt16, uint16, UINT16, guint16, "uint16", G_TYPE_UINT, "0", "65535")
WIDTH (UInt32, uint32, UINT32, guint32, "uint32", G_TYPE_UINT, "0", "4294967295")
WIDTH (UInt64, uint64, UINT64, guint64, "uint64", G_TYPE_UINT64, "0", "18446744073709551615")

#undef WIDTH

/* The payload as the property system reads it, widened without loss. */
template <class W>
auto
read_property (gpointer object)
{
  constexpr bool is_signed = std::numeric_limits<typename W::T>::is_signed;
  g_auto (GValue) wide = G_VALUE_INIT;
  g_value_init (&wide, is_signed ? G_TYPE_INT64 : G_TYPE_UINT64);
  g_object_get_property (G_OBJECT (object), "itsvalue", &wide);
  if constexpr (is_signed)
    return g_value_get_int64 (&wide);
  else
    return g_value_get_uint64 (&wide);
}

/* What to_value produced, widened the same way. */
template <class W>
auto
converted (const GValue *value)
{
  switch (G_VALUE_TYPE (value)) {
  case G_TYPE_CHAR: return gint64 (g_value_get_schar (value));
  case G_TYPE_UCHAR: return gint64 (g_value_get_uchar (value));
  case G_TYPE_INT: return gint64 (g_value_get_int (value));
  case G_TYPE_UINT: return gint64 (g_value_get_uint (value));
  case G_TYPE_INT64: return g_value_get_int64 (value);
  /* Compared bit for bit with the payload below. */
  case G_TYPE_UINT64: return gint64 (g_value_get_uint64 (value));
  default: ADD_FAILURE () << G_VALUE_TYPE_NAME (value); return gint64 (0);
  }
}

template <class W>
class Widths : public lmtest::Test {};

using AllWidths = ::testing::Types<Int8, Int16, Int32, Int64, UInt8, UInt16, UInt32, UInt64>;
TYPED_TEST_SUITE (Widths, AllWidths);

}  // namespace

TYPED_TEST (Widths, ExtremesSurviveEveryReading)
{
  using W = TypeParam;
  constexpr bool is_unsigned = !std::numeric_limits<typename W::T>::is_signed;
  struct {
    typename W::T payload;
    const char *text;
  } const cases[] = {{W::min, W::min_string}, {W::max, W::max_string}, {0, "0"}};

  for (const auto &c : cases) {
    SCOPED_TRACE (c.text);
    g_autoptr (GObject) value = G_OBJECT (W::make (c.payload));
    ASSERT_NE (nullptr, value);
    EXPECT_EQ (W::type (), G_OBJECT_TYPE (value));
    auto *typed = reinterpret_cast<typename W::Value *> (value);
    EXPECT_EQ (c.payload, W::get (typed));
    EXPECT_EQ (c.payload, W::get_itsvalue (typed));
    EXPECT_EQ (c.payload, read_property<W> (value));

    EXPECT_EQ (c.text, take_string (tavrel_model_data_value_object_to_string (as_value (value))));
    EXPECT_EQ (c.text, take_string (tavrel_model_data_ivalue_to_string (TAVREL_MODEL_DATA_IVALUE (value))));
    EXPECT_EQ (std::string (W::type_name) + " => " + c.text,
               take_string (tavrel_model_data_value_object_dump (as_value (value))));

    g_auto (GValue) out = G_VALUE_INIT;
    tavrel_model_data_ivalue_to_value (TAVREL_MODEL_DATA_IVALUE (value), &out);
    ASSERT_EQ (W::value_type, G_VALUE_TYPE (&out)) << G_VALUE_TYPE_NAME (&out);
    EXPECT_EQ (gint64 (c.payload), converted<W> (&out));

    ASSERT_TRUE (TAVREL_MODEL_DATA_IS_IINTEGER (value));
    gint64 integer = tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (value));
    if (sizeof (c.payload) == 8 && is_unsigned && c.payload == W::max) {
      EXPECT_EQ (G_MAXINT64, integer) << "saturates rather than wrapping to a negative number";
    } else {
      EXPECT_EQ (gint64 (c.payload), integer);
    }

    EXPECT_EQ (is_unsigned, bool (TAVREL_MODEL_DATA_IS_IUNSIGNED (value)));
    if (is_unsigned) {
      EXPECT_EQ (guint64 (c.payload), tavrel_model_data_iunsigned_to_unsigned (TAVREL_MODEL_DATA_IUNSIGNED (value)));
    }
  }
}

TYPED_TEST (Widths, DescribesItsKind)
{
  using W = TypeParam;
  g_autoptr (GObject) value = G_OBJECT (W::make (1));
  EXPECT_STREQ (W::type_name, g_type_name (W::type ()));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT, g_type_parent (W::type ()));
  EXPECT_STREQ (W::value_name, tavrel_model_data_ivalue_get_name (TAVREL_MODEL_DATA_IVALUE (value)));
  EXPECT_EQ (W::kind, tavrel_model_data_value_object_get_data_type (as_value (value)));
  EXPECT_FALSE (tavrel_model_data_ivalue_get_is_null (TAVREL_MODEL_DATA_IVALUE (value)));

  g_autofree gchar *name = nullptr;
  TavrelModelDataDataType kind = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  gboolean is_null = TRUE;
  g_object_get (value, "name", &name, "data-type", &kind, "is-null", &is_null, nullptr);
  EXPECT_STREQ (W::value_name, name);
  EXPECT_EQ (W::kind, kind);
  EXPECT_FALSE (is_null);

  /* The class's own properties, in order, beside the inherited is-null. */
  EXPECT_EQ ((std::vector<std::string>{"name", "itsvalue", "data-type"}), own_properties (value, W::type ()));
  EXPECT_NE (nullptr, g_object_class_find_property (G_OBJECT_GET_CLASS (value), "is-null"));

  GParamSpec *itsvalue = g_object_class_find_property (G_OBJECT_GET_CLASS (value), "itsvalue");
  ASSERT_NE (nullptr, itsvalue);
  EXPECT_EQ (G_PARAM_READWRITE, itsvalue->flags & G_PARAM_READWRITE);
  EXPECT_TRUE (itsvalue->flags & G_PARAM_EXPLICIT_NOTIFY);
  GParamSpec *data_type = g_object_class_find_property (G_OBJECT_GET_CLASS (value), "data-type");
  EXPECT_FALSE (data_type->flags & G_PARAM_WRITABLE);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_DATA_TYPE, G_PARAM_SPEC_VALUE_TYPE (data_type));
}

TYPED_TEST (Widths, SettingNotifiesOnEveryCall)
{
  using W = TypeParam;
  g_autoptr (GObject) value = G_OBJECT (W::make (5));
  auto *typed = reinterpret_cast<typename W::Value *> (value);
  NotifyCounter notified (value, "itsvalue");

  W::set_itsvalue (typed, 5);
  EXPECT_EQ (1, notified.count ()) << "also when the payload does not change";
  W::set_itsvalue (typed, W::max);
  EXPECT_EQ (W::max, W::get_itsvalue (typed));
  EXPECT_EQ (2, notified.count ());

  g_auto (GValue) same = G_VALUE_INIT;
  g_value_init (&same, G_PARAM_SPEC_VALUE_TYPE (g_object_class_find_property (G_OBJECT_GET_CLASS (value), "itsvalue")));
  g_object_get_property (value, "itsvalue", &same);
  g_object_set_property (value, "itsvalue", &same);
  g_object_set_property (value, "itsvalue", &same);
  EXPECT_EQ (4, notified.count ());
  EXPECT_EQ (W::max, W::get (typed));
}

TYPED_TEST (Widths, CloneIsADistinctValueOfTheSameClass)
{
  using W = TypeParam;
  auto *value = as_value (W::make (W::max));
  auto *copy = tavrel_model_data_value_object_clone (value);
  Watch value_watch (value), copy_watch (copy);
  ASSERT_NE (nullptr, copy);
  EXPECT_NE (value, copy);
  EXPECT_EQ (W::type (), G_OBJECT_TYPE (copy));
  EXPECT_EQ (W::max, W::get (reinterpret_cast<typename W::Value *> (copy)));

  /* The copy does not follow the original. */
  W::set_itsvalue (reinterpret_cast<typename W::Value *> (value), 1);
  EXPECT_EQ (W::max, W::get (reinterpret_cast<typename W::Value *> (copy)));

  g_object_unref (value);
  EXPECT_TRUE (value_watch.finalized ());
  EXPECT_FALSE (copy_watch.finalized ());
  g_object_unref (copy);
  EXPECT_TRUE (copy_watch.finalized ());
}

TYPED_TEST (Widths, BadObjectsAreReportedByName)
{
  using W = TypeParam;
  const std::string f = W::function;

  EXPECT_EQ (0, W::get_itsvalue (nullptr));
  this->expect_critical (f + "_get_itsvalue: assertion 'self != NULL' failed");
  EXPECT_EQ (0, W::get (nullptr));
  this->expect_critical (std::string (W::getter) + ": assertion 'self != NULL' failed");
  W::set_itsvalue (nullptr, 1);
  this->expect_critical (f + "_set_itsvalue: assertion 'self != NULL' failed");

  /* A value of another kind is refused and left alone. */
  g_autoptr (TavrelModelDataValueError) other = tavrel_model_data_value_error_new (9, "x");
  auto *wrong = reinterpret_cast<typename W::Value *> (other);
  EXPECT_EQ (0, W::get_itsvalue (wrong));
  this->expect_critical (f + "_get_itsvalue: assertion '" + W::is_check + "' failed");
  W::set_itsvalue (wrong, 1);
  this->expect_critical (f + "_set_itsvalue: assertion '" + W::is_check + "' failed");
  EXPECT_EQ ("9:x", take_string (tavrel_model_data_value_error_get_itsvalue (other)));

  EXPECT_EQ (nullptr, W::construct (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT, 1));
  this->expect_critical (f + "_construct: assertion '" + W::type_check + "' failed");
  EXPECT_EQ (nullptr, W::construct (G_TYPE_INVALID, 1));
  this->expect_critical (f + "_construct: assertion '" + W::type_check + "' failed");
}

namespace {

class Integers : public lmtest::Test {};

/* A C subclass of one width, as a client derives one. */
struct TestCounter {
  TavrelModelDataValueInt32 parent_instance;
};
struct TestCounterClass {
  TavrelModelDataValueInt32Class parent_class;
};
G_DEFINE_TYPE (TestCounter, test_counter, TAVREL_MODEL_DATA_TYPE_VALUE_INT32)
static void
test_counter_class_init (TestCounterClass *)
{
}
static void
test_counter_init (TestCounter *)
{
}

/* Implements both interfaces and fills neither slot. */
struct TestBare {
  GObject parent_instance;
};
struct TestBareClass {
  GObjectClass parent_class;
};
static void test_bare_iinteger_init (TavrelModelDataIIntegerInterface *) {}
static void test_bare_iunsigned_init (TavrelModelDataIUnsignedInterface *) {}
G_DEFINE_TYPE_WITH_CODE (TestBare, test_bare, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_IINTEGER, test_bare_iinteger_init)
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_IUNSIGNED, test_bare_iunsigned_init))
static void
test_bare_class_init (TestBareClass *)
{
}
static void
test_bare_init (TestBare *)
{
}

}  // namespace

TEST_F (Integers, SixteenBitPropertiesTakeTheWideRangeAndKeepTheLowBits)
{
  g_autoptr (TavrelModelDataValueInt16) value = tavrel_model_data_value_int16_new (0);
  NotifyCounter notified (value, "itsvalue");
  g_object_set (value, "itsvalue", 70000, nullptr);
  EXPECT_EQ (4464, tavrel_model_data_value_int16_get_itsvalue (value));
  gint read = 0;
  g_object_get (value, "itsvalue", &read, nullptr);
  EXPECT_EQ (4464, read);
  g_object_set (value, "itsvalue", 65536 + 32768, nullptr);
  EXPECT_EQ (-32768, tavrel_model_data_value_int16_get_int16 (value));
  EXPECT_EQ ("-32768", take_string (tavrel_model_data_value_object_to_string (as_value (value))));
  EXPECT_EQ (2, notified.count ());

  GParamSpecInt *pspec = G_PARAM_SPEC_INT (g_object_class_find_property (G_OBJECT_GET_CLASS (value), "itsvalue"));
  EXPECT_EQ (G_MININT32, pspec->minimum);
  EXPECT_EQ (G_MAXINT32, pspec->maximum);
  EXPECT_EQ (0, pspec->default_value);

  g_autoptr (TavrelModelDataValueUInt16) unsigned_value = tavrel_model_data_value_uint16_new (0);
  g_object_set (unsigned_value, "itsvalue", 70000u, nullptr);
  EXPECT_EQ (4464, tavrel_model_data_value_uint16_get_uint16 (unsigned_value));
  g_object_set (unsigned_value, "itsvalue", G_MAXUINT32, nullptr);
  EXPECT_EQ (65535, tavrel_model_data_value_uint16_get_uint16 (unsigned_value));
  guint read_unsigned = 0;
  g_object_get (unsigned_value, "itsvalue", &read_unsigned, nullptr);
  EXPECT_EQ (65535u, read_unsigned);
  GParamSpecUInt *uspec =
      G_PARAM_SPEC_UINT (g_object_class_find_property (G_OBJECT_GET_CLASS (unsigned_value), "itsvalue"));
  EXPECT_EQ (G_MAXUINT32, uspec->maximum);
}

TEST_F (Integers, PropertyRangesFollowTheWidth)
{
  auto pspec_of = [] (GType type) {
    g_autoptr (GTypeClass) klass = static_cast<GTypeClass *> (g_type_class_ref (type));
    return g_object_class_find_property (G_OBJECT_CLASS (klass), "itsvalue");
  };
  GParamSpecChar *int8 = G_PARAM_SPEC_CHAR (pspec_of (TAVREL_MODEL_DATA_TYPE_VALUE_INT8));
  EXPECT_EQ (-128, int8->minimum);
  EXPECT_EQ (127, int8->maximum);
  GParamSpecInt64 *int64 = G_PARAM_SPEC_INT64 (pspec_of (TAVREL_MODEL_DATA_TYPE_VALUE_INT64));
  EXPECT_EQ (G_MININT64, int64->minimum);
  EXPECT_EQ (G_MAXINT64, int64->maximum);
  GParamSpecUChar *uint8 = G_PARAM_SPEC_UCHAR (pspec_of (TAVREL_MODEL_DATA_TYPE_VALUE_UINT8));
  EXPECT_EQ (0, uint8->minimum);
  EXPECT_EQ (255, uint8->maximum);
  GParamSpecUInt *uint32 = G_PARAM_SPEC_UINT (pspec_of (TAVREL_MODEL_DATA_TYPE_VALUE_UINT32));
  EXPECT_EQ (G_MAXUINT32, uint32->maximum);
  GParamSpecUInt64 *uint64 = G_PARAM_SPEC_UINT64 (pspec_of (TAVREL_MODEL_DATA_TYPE_VALUE_UINT64));
  EXPECT_EQ (G_MAXUINT64, uint64->maximum);
  EXPECT_EQ (0u, uint64->default_value);
}

TEST_F (Integers, UnsignedSixtyFourBitsSaturateOnlyAboveTheSignedRange)
{
  const guint64 cases[][2] = {
      {guint64 (G_MAXINT64), guint64 (G_MAXINT64)},
      {guint64 (G_MAXINT64) + 1, guint64 (G_MAXINT64)},
      {G_MAXUINT64, guint64 (G_MAXINT64)},
      {42, 42},
  };
  for (const auto &c : cases) {
    g_autoptr (TavrelModelDataValueUInt64) value = tavrel_model_data_value_uint64_new (c[0]);
    EXPECT_EQ (gint64 (c[1]), tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (value))) << c[0];
    EXPECT_EQ (c[0], tavrel_model_data_iunsigned_to_unsigned (TAVREL_MODEL_DATA_IUNSIGNED (value)));
  }
}

TEST_F (Integers, ConversionsAndNamesThatDifferFromTheKind)
{
  /* uint32 converts to G_TYPE_UINT, although its kind maps to G_TYPE_INT. */
  g_autoptr (TavrelModelDataValueUInt32) value = tavrel_model_data_value_uint32_new (7);
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (as_value (value), &out);
  EXPECT_EQ (G_TYPE_UINT, G_VALUE_TYPE (&out));
  EXPECT_EQ (G_TYPE_INT, tavrel_model_data_data_type_get_glib_type (
                             tavrel_model_data_value_object_get_data_type (as_value (value))));

  /* The signed byte is named "byte"; its kind's nick is "int8". */
  g_autoptr (TavrelModelDataValueInt8) byte = tavrel_model_data_value_int8_new (-1);
  EXPECT_STREQ ("byte", tavrel_model_data_value_object_get_name (as_value (byte)));
  g_autofree gchar *nick = tavrel_model_data_data_type_to_string (tavrel_model_data_value_object_get_data_type (as_value (byte)));
  EXPECT_STREQ ("int8", nick);
}

TEST_F (Integers, SubclassesConstructThroughTheirParent)
{
  auto *counter = reinterpret_cast<TavrelModelDataValueInt32 *> (
      tavrel_model_data_value_int32_construct (test_counter_get_type (), -12));
  ASSERT_NE (nullptr, counter);
  Watch watch (counter);
  EXPECT_EQ (test_counter_get_type (), G_OBJECT_TYPE (counter));
  EXPECT_EQ (-12, tavrel_model_data_value_int32_get_itsvalue (counter));
  EXPECT_EQ ("TestCounter => -12", take_string (tavrel_model_data_value_object_dump (as_value (counter))));

  /* A subclass that does not override clone gets a copy of the class that
   * holds the payload, not a half-made subclass instance. */
  g_autoptr (TavrelModelDataValueObject) copy = tavrel_model_data_value_object_clone (as_value (counter));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_INT32, G_OBJECT_TYPE (copy));
  EXPECT_EQ (-12, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (copy)));
  g_object_unref (counter);
  EXPECT_TRUE (watch.finalized ());

  EXPECT_EQ (nullptr, tavrel_model_data_value_int64_construct (test_counter_get_type (), 1));
  expect_critical (
      "tavrel_model_data_value_int64_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_VALUE_INT64)' failed");
}

TEST_F (Integers, InterfaceReadingsAndTheirFailures)
{
  /* Every unsigned value is also an integer. */
  guint n = 0;
  g_autofree GType *prerequisites = g_type_interface_prerequisites (TAVREL_MODEL_DATA_TYPE_IUNSIGNED, &n);
  std::vector<GType> listed (prerequisites, prerequisites + n);
  EXPECT_NE (listed.end (), std::find (listed.begin (), listed.end (), TAVREL_MODEL_DATA_TYPE_IINTEGER));
  EXPECT_STREQ ("TavrelModelDataIInteger", g_type_name (TAVREL_MODEL_DATA_TYPE_IINTEGER));
  EXPECT_STREQ ("TavrelModelDataIUnsigned", g_type_name (TAVREL_MODEL_DATA_TYPE_IUNSIGNED));

  /* An implementation that supplies no slot. */
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (test_bare_get_type (), nullptr));
  EXPECT_EQ (-1, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (bare)));
  EXPECT_EQ (0u, tavrel_model_data_iunsigned_to_unsigned (TAVREL_MODEL_DATA_IUNSIGNED (bare)));

  EXPECT_EQ (0, tavrel_model_data_iinteger_to_integer (nullptr));
  expect_critical ("tavrel_model_data_iinteger_to_integer: assertion 'self != NULL' failed");
  EXPECT_EQ (0u, tavrel_model_data_iunsigned_to_unsigned (nullptr));
  expect_critical ("tavrel_model_data_iunsigned_to_unsigned: assertion 'self != NULL' failed");

  /* Objects that do not read that way. */
  g_autoptr (TavrelModelDataValueNull) null = tavrel_model_data_value_null_new ();
  EXPECT_EQ (0, tavrel_model_data_iinteger_to_integer ((TavrelModelDataIInteger *) null));
  expect_critical ("tavrel_model_data_iinteger_to_integer: assertion 'TAVREL_MODEL_DATA_IS_IINTEGER (self)' failed");
  g_autoptr (TavrelModelDataValueInt64) signed_value = tavrel_model_data_value_int64_new (-1);
  EXPECT_EQ (0u, tavrel_model_data_iunsigned_to_unsigned ((TavrelModelDataIUnsigned *) signed_value));
  expect_critical (
      "tavrel_model_data_iunsigned_to_unsigned: assertion 'TAVREL_MODEL_DATA_IS_IUNSIGNED (self)' failed");
}
