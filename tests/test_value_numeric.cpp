/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Booleans, characters, floating-point, money and decimal values, and the
 * INumeric reading. */

#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support.h"

using lmtest::as_value;
using lmtest::NotifyCounter;
using lmtest::own_properties;
using lmtest::render;
using lmtest::take_string;
using lmtest::Watch;

namespace {

/* One class's public functions and what it is expected to answer. */
#define KIND(Name, name, NAME, ctype, short_name, gvalue_type, pspec_type)                                         \
  struct Name {                                                                                                  \
    using Value = TavrelModelDataValue##Name;                                                                    \
    using T = ctype;                                                                                             \
    static constexpr auto type = tavrel_model_data_value_##name##_get_type;                                      \
    static constexpr auto make = tavrel_model_data_value_##name##_new;                                           \
    static constexpr auto construct = tavrel_model_data_value_##name##_construct;                                \
    static constexpr auto get_itsvalue = tavrel_model_data_value_##name##_get_itsvalue;                          \
    static constexpr auto set_itsvalue = tavrel_model_data_value_##name##_set_itsvalue;                          \
    static constexpr const char *function = "tavrel_model_data_value_" #name;                                    \
    static constexpr const char *type_name = "TavrelModelDataValue" #Name;                                       \
    static constexpr const char *is_check = "TAVREL_MODEL_DATA_IS_VALUE_" #NAME " (self)";                        \
    static constexpr const char *type_check = "g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_" #NAME ")"; \
    static constexpr const char *value_name = short_name;                                                        \
    static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_##NAME;                                             \
    static constexpr GType value_type = gvalue_type;                                                             \
    static GType pspec_gtype () { return pspec_type; }                                                           \
  };

KIND (Boolean, boolean, BOOLEAN, gboolean, "bool", G_TYPE_BOOLEAN, G_TYPE_PARAM_BOOLEAN)
KIND (Char, char, CHAR, guchar, "char", G_TYPE_UCHAR, G_TYPE_PARAM_UCHAR)
KIND (Float, float, FLOAT, gfloat, "float", G_TYPE_FLOAT, G_TYPE_PARAM_FLOAT)
KIND (Double, double, DOUBLE, gdouble, "double", G_TYPE_DOUBLE, G_TYPE_PARAM_DOUBLE)
KIND (Money, money, MONEY, gdouble, "money", G_TYPE_DOUBLE, G_TYPE_PARAM_DOUBLE)
KIND (Decimal, decimal, DECIMAL, gdouble, "decimal", G_TYPE_DOUBLE, G_TYPE_PARAM_DOUBLE)

#undef KIND

template <class K>
class Kinds : public lmtest::Test {};

using AllKinds = ::testing::Types<Boolean, Char, Float, Double, Money, Decimal>;
TYPED_TEST_SUITE (Kinds, AllKinds);

}  // namespace

TYPED_TEST (Kinds, DescribesItself)
{
  using K = TypeParam;
  g_autoptr (GObject) value = G_OBJECT (K::make (1));
  ASSERT_NE (nullptr, value);
  EXPECT_STREQ (K::type_name, G_OBJECT_TYPE_NAME (value));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT, g_type_parent (K::type ()));
  EXPECT_STREQ (K::value_name, tavrel_model_data_ivalue_get_name (TAVREL_MODEL_DATA_IVALUE (value)));
  EXPECT_EQ (K::kind, tavrel_model_data_ivalue_get_data_type (TAVREL_MODEL_DATA_IVALUE (value)));
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (as_value (value)));
  EXPECT_EQ (std::string (K::type_name) + " => " + render (value),
             take_string (tavrel_model_data_ivalue_dump (TAVREL_MODEL_DATA_IVALUE (value))));

  g_autofree gchar *name = nullptr;
  TavrelModelDataDataType kind = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  g_object_get (value, "name", &name, "data-type", &kind, nullptr);
  EXPECT_STREQ (K::value_name, name);
  EXPECT_EQ (K::kind, kind);

  EXPECT_EQ ((std::vector<std::string>{"name", "itsvalue", "data-type"}), own_properties (value, K::type ()));
  GParamSpec *itsvalue = g_object_class_find_property (G_OBJECT_GET_CLASS (value), "itsvalue");
  EXPECT_EQ (K::pspec_gtype (), G_PARAM_SPEC_TYPE (itsvalue));
  EXPECT_EQ (G_PARAM_READWRITE, itsvalue->flags & G_PARAM_READWRITE);

  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (TAVREL_MODEL_DATA_IVALUE (value), &out);
  EXPECT_EQ (K::value_type, G_VALUE_TYPE (&out)) << G_VALUE_TYPE_NAME (&out);

  /* A fresh instance holds false, 0 or 0.0. */
  g_auto (GValue) fresh = G_VALUE_INIT;
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (K::type (), nullptr));
  g_value_init (&fresh, G_PARAM_SPEC_VALUE_TYPE (itsvalue));
  g_object_get_property (bare, "itsvalue", &fresh);
  EXPECT_TRUE (g_param_value_defaults (itsvalue, &fresh));
  EXPECT_EQ (typename K::T (0), K::get_itsvalue (reinterpret_cast<typename K::Value *> (bare)));
}

TYPED_TEST (Kinds, SettingNotifiesOnEveryCall)
{
  using K = TypeParam;
  g_autoptr (GObject) value = G_OBJECT (K::make (1));
  auto *typed = reinterpret_cast<typename K::Value *> (value);
  NotifyCounter notified (value, "itsvalue");
  K::set_itsvalue (typed, 1);
  K::set_itsvalue (typed, 1);
  EXPECT_EQ (2, notified.count ());

  g_auto (GValue) same = G_VALUE_INIT;
  g_value_init (&same, G_PARAM_SPEC_VALUE_TYPE (g_object_class_find_property (G_OBJECT_GET_CLASS (value), "itsvalue")));
  g_object_get_property (value, "itsvalue", &same);
  g_object_set_property (value, "itsvalue", &same);
  EXPECT_EQ (3, notified.count ());
  EXPECT_EQ (typename K::T (1), K::get_itsvalue (typed));
}

TYPED_TEST (Kinds, CloneIsADistinctValueOfTheSameClass)
{
  using K = TypeParam;
  auto *value = as_value (K::make (1));
  auto *copy = tavrel_model_data_value_object_clone (value);
  Watch value_watch (value), copy_watch (copy);
  ASSERT_NE (nullptr, copy);
  EXPECT_NE (value, copy);
  EXPECT_EQ (K::type (), G_OBJECT_TYPE (copy));
  EXPECT_STREQ (K::value_name, tavrel_model_data_value_object_get_name (copy));
  EXPECT_EQ (typename K::T (1), K::get_itsvalue (reinterpret_cast<typename K::Value *> (copy)));
  K::set_itsvalue (reinterpret_cast<typename K::Value *> (value), 0);
  EXPECT_EQ (typename K::T (1), K::get_itsvalue (reinterpret_cast<typename K::Value *> (copy)));
  g_object_unref (value);
  g_object_unref (copy);
  EXPECT_TRUE (value_watch.finalized ());
  EXPECT_TRUE (copy_watch.finalized ());
}

TYPED_TEST (Kinds, BadObjectsAreReportedByName)
{
  using K = TypeParam;
  const std::string f = K::function;
  EXPECT_EQ (typename K::T (0), K::get_itsvalue (nullptr));
  this->expect_critical (f + "_get_itsvalue: assertion 'self != NULL' failed");
  K::set_itsvalue (nullptr, 1);
  this->expect_critical (f + "_set_itsvalue: assertion 'self != NULL' failed");

  g_autoptr (TavrelModelDataValueInt32) other = tavrel_model_data_value_int32_new (9);
  auto *wrong = reinterpret_cast<typename K::Value *> (other);
  EXPECT_EQ (typename K::T (0), K::get_itsvalue (wrong));
  this->expect_critical (f + "_get_itsvalue: assertion '" + K::is_check + "' failed");
  K::set_itsvalue (wrong, 1);
  this->expect_critical (f + "_set_itsvalue: assertion '" + K::is_check + "' failed");
  EXPECT_EQ (9, tavrel_model_data_value_int32_get_int32 (other));

  EXPECT_EQ (nullptr, K::construct (TAVREL_MODEL_DATA_TYPE_VALUE_INT32, 1));
  this->expect_critical (f + "_construct: assertion '" + K::type_check + "' failed");
}

namespace {

class Numerics : public lmtest::Test {};

/* Implements INumeric without filling its slot. */
struct TestBare {
  GObject parent_instance;
};
struct TestBareClass {
  GObjectClass parent_class;
};
static void test_bare_inumeric_init (TavrelModelDataINumericInterface *) {}
G_DEFINE_TYPE_WITH_CODE (TestBare, test_bare, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_INUMERIC, test_bare_inumeric_init))
static void
test_bare_class_init (TestBareClass *)
{
}
static void
test_bare_init (TestBare *)
{
}

/* The texts the four floating-point classes give for one payload. */
struct Rendering {
  double payload;
  const char *fixed;   /* ValueDouble */
  const char *general; /* ValueMoney and ValueDecimal */
};

const Rendering renderings[] = {
    {2.5, "2.50", "2.5"},
    {1234567.0, "1234567.00", "1.23457E+06"},
    {100000.0, "100000.00", "100000"},
    {999999.0, "999999.00", "999999"},
    {999999.5, "999999.50", "1E+06"},
    {0.00001, "0.00", "1E-05"},
    {0.0001, "0.00", "0.0001"},
    {-0.125, "-0.12", "-0.125"},
    {0.375, "0.38", "0.375"},
    {2.675, "2.67", "2.675"},
    {1e-300, "0.00", "1E-300"},
    {0.0, "0.00", "0"},
    {-0.0, "-0.00", "-0"},
    {G_MAXDOUBLE, nullptr, "1.79769E+308"},
    {INFINITY, "inf", "INF"},
    {-INFINITY, "-inf", "-INF"},
};

/* Sets a locale that writes a decimal comma for the test's duration. */
class CommaLocale {
 public:
  CommaLocale () : saved_ (setlocale (LC_ALL, nullptr))
  {
    active_ = setlocale (LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  ~CommaLocale () { setlocale (LC_ALL, saved_.c_str ()); }
  bool active () const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

}  // namespace

TEST_F (Numerics, FloatingPointRenderings)
{
  for (const Rendering &r : renderings) {
    SCOPED_TRACE (r.general);
    g_autoptr (TavrelModelDataValueDouble) as_double = tavrel_model_data_value_double_new (r.payload);
    g_autoptr (TavrelModelDataValueMoney) money = tavrel_model_data_value_money_new (r.payload);
    g_autoptr (TavrelModelDataValueDecimal) decimal = tavrel_model_data_value_decimal_new (r.payload);
    if (r.fixed) {
      EXPECT_EQ (r.fixed, render (as_double));
    }
    EXPECT_EQ (r.general, render (money));
    EXPECT_EQ (r.general, render (decimal));
  }

  /* The largest double in full: 309 digits, then two decimals. */
  g_autoptr (TavrelModelDataValueDouble) largest = tavrel_model_data_value_double_new (-G_MAXDOUBLE);
  std::string text = render (largest);
  EXPECT_EQ (313u, text.size ());
  EXPECT_EQ ("-17976931348623157", text.substr (0, 18));
  EXPECT_EQ (".00", text.substr (310));

  /* A float renders its value widened to double. */
  g_autoptr (TavrelModelDataValueFloat) pi = tavrel_model_data_value_float_new (3.14159f);
  EXPECT_EQ ("3.14", render (pi));
  g_autoptr (TavrelModelDataValueFloat) big = tavrel_model_data_value_float_new (16777217.0f);
  EXPECT_EQ ("16777216.00", render (big));
  g_autoptr (TavrelModelDataValueFloat) tiny = tavrel_model_data_value_float_new (0.005f);
  EXPECT_EQ ("0.00", render (tiny)) << "0.005f is slightly below 0.005";

  g_autoptr (TavrelModelDataValueMoney) nan = tavrel_model_data_value_money_new (NAN);
  EXPECT_EQ ("NAN", render (nan));
}

TEST_F (Numerics, RenderingsAreThoseOfPrintfInTheCLocale)
{
  /* The library formats without printf; printf in the C locale is the
   * reference, over a spread of magnitudes and halfway cases. */
  g_autoptr (GRand) rand = g_rand_new_with_seed (20240611);
  g_autoptr (TavrelModelDataValueDouble) fixed = tavrel_model_data_value_double_new (0);
  g_autoptr (TavrelModelDataValueDecimal) general = tavrel_model_data_value_decimal_new (0);
  char expected[400];
  for (int i = 0; i < 20000; i++) {
    double payload;
    switch (i % 3) {
    case 0: payload = g_rand_double_range (rand, -1e7, 1e7); break;
    case 1: payload = std::ldexp (g_rand_double (rand), g_rand_int_range (rand, -40, 80)); break;
    default: payload = g_rand_int_range (rand, -200000, 200000) / 8.0; break;
    }
    tavrel_model_data_value_double_set_itsvalue (fixed, payload);
    tavrel_model_data_value_decimal_set_itsvalue (general, payload);
    ASSERT_EQ (g_ascii_formatd (expected, sizeof expected, "%.2f", payload), render (fixed)) << payload;
    ASSERT_EQ (g_ascii_formatd (expected, sizeof expected, "%G", payload), render (general)) << payload;
  }
}

TEST_F (Numerics, RenderingsIgnoreTheProcessLocale)
{
  CommaLocale locale;
  if (!locale.active ())
    GTEST_SKIP () << "the de_DE.UTF-8 locale is not installed (build-aux/install-deps generates it)";
  /* The locale is in force: printf itself would write commas now. */
  g_autofree gchar *printed = g_strdup_printf ("%.2f", 2.5);
  ASSERT_STREQ ("2,50", printed);

  g_autoptr (TavrelModelDataValueDouble) as_double = tavrel_model_data_value_double_new (1234567.891);
  g_autoptr (TavrelModelDataValueFloat) as_float = tavrel_model_data_value_float_new (3.14159f);
  g_autoptr (TavrelModelDataValueMoney) money = tavrel_model_data_value_money_new (1234567.0);
  g_autoptr (TavrelModelDataValueDecimal) decimal = tavrel_model_data_value_decimal_new (2.5);
  g_autoptr (TavrelModelDataValueInt64) integer = tavrel_model_data_value_int64_new (-1234567);
  EXPECT_EQ ("1234567.89", render (as_double));
  EXPECT_EQ ("3.14", render (as_float));
  EXPECT_EQ ("1.23457E+06", render (money));
  EXPECT_EQ ("2.5", render (decimal));
  EXPECT_EQ ("-1234567", render (integer));
  EXPECT_EQ ("TavrelModelDataValueMoney => 1.23457E+06",
             take_string (tavrel_model_data_value_object_dump (as_value (money))));
}

TEST_F (Numerics, ReadingAsADouble)
{
  g_autoptr (TavrelModelDataValueFloat) as_float = tavrel_model_data_value_float_new (3.14159f);
  EXPECT_EQ (double (3.14159f), tavrel_model_data_inumeric_to_double (TAVREL_MODEL_DATA_INUMERIC (as_float)));
  g_autoptr (TavrelModelDataValueMoney) money = tavrel_model_data_value_money_new (-0.1);
  EXPECT_EQ (-0.1, tavrel_model_data_inumeric_to_double (TAVREL_MODEL_DATA_INUMERIC (money)));
  g_autoptr (TavrelModelDataValueDecimal) decimal = tavrel_model_data_value_decimal_new (G_MAXDOUBLE);
  EXPECT_EQ (G_MAXDOUBLE, tavrel_model_data_inumeric_to_double (TAVREL_MODEL_DATA_INUMERIC (decimal)));
  g_autoptr (TavrelModelDataValueDouble) as_double = tavrel_model_data_value_double_new (2.5);
  EXPECT_EQ (2.5, tavrel_model_data_inumeric_to_double (TAVREL_MODEL_DATA_INUMERIC (as_double)));
  EXPECT_FALSE (TAVREL_MODEL_DATA_IS_IINTEGER (as_double)) << "a double is not an integer";

  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (as_value (as_float), &out);
  EXPECT_EQ (3.14159f, g_value_get_float (&out));
  g_auto (GValue) money_out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (as_value (money), &money_out);
  ASSERT_TRUE (G_VALUE_HOLDS_DOUBLE (&money_out));
  EXPECT_EQ (-0.1, g_value_get_double (&money_out));

  g_autoptr (GObject) bare = G_OBJECT (g_object_new (test_bare_get_type (), nullptr));
  EXPECT_EQ (-1.0, tavrel_model_data_inumeric_to_double (TAVREL_MODEL_DATA_INUMERIC (bare)));
  EXPECT_EQ (0.0, tavrel_model_data_inumeric_to_double (nullptr));
  expect_critical ("tavrel_model_data_inumeric_to_double: assertion 'self != NULL' failed");
  g_autoptr (TavrelModelDataValueInt32) integer = tavrel_model_data_value_int32_new (4);
  EXPECT_EQ (0.0, tavrel_model_data_inumeric_to_double ((TavrelModelDataINumeric *) integer));
  expect_critical ("tavrel_model_data_inumeric_to_double: assertion 'TAVREL_MODEL_DATA_IS_INUMERIC (self)' failed");
  EXPECT_STREQ ("TavrelModelDataINumeric", g_type_name (TAVREL_MODEL_DATA_TYPE_INUMERIC));
}

TEST_F (Numerics, FloatingPointPropertyRanges)
{
  g_autoptr (TavrelModelDataValueFloat) as_float = tavrel_model_data_value_float_new (0);
  GParamSpecFloat *fspec = G_PARAM_SPEC_FLOAT (g_object_class_find_property (G_OBJECT_GET_CLASS (as_float), "itsvalue"));
  EXPECT_EQ (-G_MAXFLOAT, fspec->minimum);
  EXPECT_EQ (G_MAXFLOAT, fspec->maximum);
  EXPECT_EQ (0.0f, fspec->default_value);

  for (GType type : {TAVREL_MODEL_DATA_TYPE_VALUE_DOUBLE, TAVREL_MODEL_DATA_TYPE_VALUE_MONEY,
                     TAVREL_MODEL_DATA_TYPE_VALUE_DECIMAL}) {
    g_autoptr (GTypeClass) klass = static_cast<GTypeClass *> (g_type_class_ref (type));
    GParamSpecDouble *dspec = G_PARAM_SPEC_DOUBLE (g_object_class_find_property (G_OBJECT_CLASS (klass), "itsvalue"));
    EXPECT_EQ (-G_MAXDOUBLE, dspec->minimum) << g_type_name (type);
    EXPECT_EQ (G_MAXDOUBLE, dspec->maximum) << g_type_name (type);
  }
}

TEST_F (Numerics, Booleans)
{
  g_autoptr (TavrelModelDataValueBoolean) yes = tavrel_model_data_value_boolean_new (TRUE);
  EXPECT_EQ ("true", render (yes));
  EXPECT_TRUE (tavrel_model_data_value_boolean_get_boolean (yes));
  EXPECT_EQ (1, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (yes)));
  EXPECT_EQ (1u, tavrel_model_data_iunsigned_to_unsigned (TAVREL_MODEL_DATA_IUNSIGNED (yes)));
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (TAVREL_MODEL_DATA_IVALUE (yes), &out);
  ASSERT_TRUE (G_VALUE_HOLDS_BOOLEAN (&out));
  EXPECT_TRUE (g_value_get_boolean (&out));

  g_autoptr (TavrelModelDataValueBoolean) no = tavrel_model_data_value_boolean_new (FALSE);
  EXPECT_EQ ("TavrelModelDataValueBoolean => false", take_string (tavrel_model_data_value_object_dump (as_value (no))));
  EXPECT_EQ (0, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (no)));

  /* Any non-zero gboolean is true and reads back as TRUE itself, the way
   * GLib's own boolean values keep it. */
  g_autoptr (TavrelModelDataValueBoolean) odd = tavrel_model_data_value_boolean_new (2);
  EXPECT_EQ (TRUE, tavrel_model_data_value_boolean_get_itsvalue (odd));
  tavrel_model_data_value_boolean_set_itsvalue (no, -5);
  EXPECT_EQ (TRUE, tavrel_model_data_value_boolean_get_boolean (no));
  EXPECT_EQ (1, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (no)));
  g_object_set (no, "itsvalue", FALSE, nullptr);
  EXPECT_EQ ("false", render (no));

  EXPECT_FALSE (tavrel_model_data_value_boolean_get_boolean (nullptr));
  expect_critical ("tavrel_model_data_value_boolean_get_boolean: assertion 'self != NULL' failed");
}

TEST_F (Numerics, Characters)
{
  g_autoptr (TavrelModelDataValueChar) letter = tavrel_model_data_value_char_new ('A');
  EXPECT_EQ ("A", render (letter));
  EXPECT_EQ ('A', tavrel_model_data_value_char_get_char (letter));
  EXPECT_EQ (65, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (letter)));
  EXPECT_EQ (65u, tavrel_model_data_iunsigned_to_unsigned (TAVREL_MODEL_DATA_IUNSIGNED (letter)));
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (as_value (letter), &out);
  ASSERT_TRUE (G_VALUE_HOLDS_UCHAR (&out));
  EXPECT_EQ ('A', g_value_get_uchar (&out));

  g_autoptr (TavrelModelDataValueChar) nul = tavrel_model_data_value_char_new (0);
  EXPECT_EQ ("", render (nul));
  EXPECT_EQ ("TavrelModelDataValueChar => ", take_string (tavrel_model_data_value_object_dump (as_value (nul))));

  /* Codes from 128 on are Latin-1 characters, handed out as valid UTF-8. */
  g_autoptr (TavrelModelDataValueChar) accented = tavrel_model_data_value_char_new (0xE9);
  std::string text = render (accented);
  EXPECT_EQ ("\xC3\xA9", text);
  EXPECT_TRUE (g_utf8_validate (text.c_str (), -1, nullptr));
  EXPECT_EQ (0xE9, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (accented)));
  for (int code = 1; code <= 255; code++) {
    tavrel_model_data_value_char_set_itsvalue (accented, guchar (code));
    text = render (accented);
    ASSERT_TRUE (g_utf8_validate (text.c_str (), -1, nullptr)) << code;
    EXPECT_EQ (gunichar (code), g_utf8_get_char (text.c_str ())) << code;
    EXPECT_EQ (1, g_utf8_strlen (text.c_str (), -1)) << code;
  }

  g_object_set (letter, "itsvalue", guchar (255), nullptr);
  EXPECT_EQ (255, tavrel_model_data_value_char_get_itsvalue (letter));
  EXPECT_EQ (0, tavrel_model_data_value_char_get_char (nullptr));
  expect_critical ("tavrel_model_data_value_char_get_char: assertion 'self != NULL' failed");
}
