/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* The value factory: cell texts and kinds become values. */

#include <clocale>
#include <cstring>
#include <type_traits>
#include <string>

#include "Data/value_factory.h"
#include "tests/support.h"

using lmtest::take_string;

namespace {

class Factory : public lmtest::Test {
 protected:
  void SetUp () override
  {
    lmtest::Test::SetUp ();
    lmtest::use_zone ("UTC");
  }

  /* A factory value held for the test's duration. */
  TavrelModelDataValueObject *make (TavrelModelDataDataType kind, const char *text)
  {
    auto *value = reinterpret_cast<TavrelModelDataValueObject *> (tavrel_model_data_ivalue_factory (kind, text));
    made_.add (value);
    return value;
  }
  std::string text_of (TavrelModelDataDataType kind, const char *text)
  {
    return take_string (tavrel_model_data_value_object_to_string (make (kind, text)));
  }
  GType type_of (TavrelModelDataDataType kind, const char *text) { return G_OBJECT_TYPE (make (kind, text)); }

  template <class T>
  T payload (TavrelModelDataDataType kind, const char *text)
  {
    g_auto (GValue) out = G_VALUE_INIT;
    tavrel_model_data_value_object_to_value (make (kind, text), &out);
    g_auto (GValue) converted = G_VALUE_INIT;
    g_value_init (&converted, std::is_floating_point_v<T> ? G_TYPE_DOUBLE
                              : std::is_signed_v<T>       ? G_TYPE_INT64
                                                          : G_TYPE_UINT64);
    EXPECT_TRUE (g_value_transform (&out, &converted)) << G_VALUE_TYPE_NAME (&out);
    if constexpr (std::is_floating_point_v<T>)
      return T (g_value_get_double (&converted));
    else if constexpr (std::is_signed_v<T>)
      return T (g_value_get_int64 (&converted));
    else
      return T (g_value_get_uint64 (&converted));
  }

 private:
  lmtest::Values made_;
  lmtest::SavedZone zone_;
};

using K = TavrelModelDataDataType;

}  // namespace

TEST_F (Factory, EachKindBuildsItsClass)
{
  struct {
    K kind;
    GType type;
  } const cases[] = {
      {TAVREL_MODEL_DATA_DATA_TYPE_DBNULL, TAVREL_MODEL_DATA_TYPE_VALUE_NULL},
      {TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, TAVREL_MODEL_DATA_TYPE_VALUE_BOOLEAN},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT8, TAVREL_MODEL_DATA_TYPE_VALUE_INT8},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT16, TAVREL_MODEL_DATA_TYPE_VALUE_INT16},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_TYPE_VALUE_INT32},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT64, TAVREL_MODEL_DATA_TYPE_VALUE_INT64},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT8, TAVREL_MODEL_DATA_TYPE_VALUE_UINT8},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT16, TAVREL_MODEL_DATA_TYPE_VALUE_UINT16},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT32, TAVREL_MODEL_DATA_TYPE_VALUE_UINT32},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT64, TAVREL_MODEL_DATA_TYPE_VALUE_UINT64},
      {TAVREL_MODEL_DATA_DATA_TYPE_MONEY, TAVREL_MODEL_DATA_TYPE_VALUE_MONEY},
      {TAVREL_MODEL_DATA_DATA_TYPE_FLOAT, TAVREL_MODEL_DATA_TYPE_VALUE_FLOAT},
      {TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, TAVREL_MODEL_DATA_TYPE_VALUE_DOUBLE},
      {TAVREL_MODEL_DATA_DATA_TYPE_DATE, TAVREL_MODEL_DATA_TYPE_VALUE_DATE},
      {TAVREL_MODEL_DATA_DATA_TYPE_TIME, TAVREL_MODEL_DATA_TYPE_VALUE_TIME},
      {TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME},
      {TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP, TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME},
      {TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN, TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN},
      {TAVREL_MODEL_DATA_DATA_TYPE_STRING, TAVREL_MODEL_DATA_TYPE_VALUE_STRING},
      {TAVREL_MODEL_DATA_DATA_TYPE_UUID, TAVREL_MODEL_DATA_TYPE_VALUE_UUID},
      {TAVREL_MODEL_DATA_DATA_TYPE_JSON, TAVREL_MODEL_DATA_TYPE_VALUE_JSON},
      {TAVREL_MODEL_DATA_DATA_TYPE_BINARY, TAVREL_MODEL_DATA_TYPE_VALUE_BINARY},
      {TAVREL_MODEL_DATA_DATA_TYPE_BLOB, TAVREL_MODEL_DATA_TYPE_VALUE_BLOB},
      {TAVREL_MODEL_DATA_DATA_TYPE_OBJECT, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT},
  };
  for (const auto &c : cases)
    for (const char *text : {"1", (const char *) nullptr})
      EXPECT_EQ (g_type_name (c.type), std::string (g_type_name (type_of (c.kind, text)))) << int (c.kind);

  /* Every other kind, and numbers beyond the kinds, hold the text as XML. */
  for (int kind : {0, 3, 12, 13, 14, 16, 25, 26, 29, 30, 34, 35, 36, 37, 38, 39, 40, 41, 1000, -1}) {
    EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_XML, type_of (K (kind), "1.50")) << kind;
    EXPECT_EQ ("1.50", text_of (K (kind), "1.50"));
    EXPECT_EQ ("", text_of (K (kind), nullptr));
  }
}

TEST_F (Factory, TheNullTextIsExactlyParenthesisedNull)
{
  for (int kind = 0; kind <= 41; kind++) {
    TavrelModelDataValueObject *value = make (K (kind), "(Null)");
    EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_NULL, G_OBJECT_TYPE (value)) << kind;
    EXPECT_TRUE (tavrel_model_data_value_object_get_is_null (value));
  }
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (make (TAVREL_MODEL_DATA_DATA_TYPE_INT32, "(Null)"), &out);
  EXPECT_STREQ ("NULL", g_value_get_string (&out));
  EXPECT_EQ ("", text_of (TAVREL_MODEL_DATA_DATA_TYPE_INT32, "(Null)"));

  EXPECT_EQ ("(NULL)", text_of (TAVREL_MODEL_DATA_DATA_TYPE_STRING, "(NULL)"));
  EXPECT_EQ ("(null)", text_of (TAVREL_MODEL_DATA_DATA_TYPE_STRING, "(null)"));
  EXPECT_EQ (" (Null)", text_of (TAVREL_MODEL_DATA_DATA_TYPE_STRING, " (Null)"));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_INT32, type_of (TAVREL_MODEL_DATA_DATA_TYPE_INT32, nullptr));
}

TEST_F (Factory, BooleansAreTrueOnlyForTrue)
{
  EXPECT_EQ ("true", text_of (TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, "true"));
  for (const char *text : {"TRUE", "True", "1", " true", "true ", "t", "yes", ""})
    EXPECT_EQ ("false", text_of (TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, text)) << text;
  EXPECT_EQ ("false", text_of (TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, nullptr));
}

TEST_F (Factory, SignedIntegersReadAsAtoi)
{
  using lm::parse::atoi32;
  EXPECT_EQ (12, atoi32 ("\t\n\v\f\r 12"));
  EXPECT_EQ (5, atoi32 ("+5"));
  EXPECT_EQ (-42, atoi32 ("  -42abc"));
  EXPECT_EQ (0, atoi32 ("-"));
  EXPECT_EQ (0, atoi32 (""));
  EXPECT_EQ (0, atoi32 ("x1"));
  EXPECT_EQ (0, atoi32 ("0x10")) << "decimal only";
  EXPECT_EQ (10, atoi32 ("010")) << "no octal";
  EXPECT_EQ (0, atoi32 ("- 1"));
  EXPECT_EQ (G_MAXINT32, atoi32 ("2147483647"));
  EXPECT_EQ (G_MAXINT32, atoi32 ("2147483648"));
  EXPECT_EQ (G_MININT32, atoi32 ("-2147483648"));
  EXPECT_EQ (G_MININT32, atoi32 ("-2147483649"));
  EXPECT_EQ (G_MAXINT32, atoi32 ("99999999999999999999999999"));
  EXPECT_EQ (G_MININT32, atoi32 ("-99999999999999999999999999"));
  EXPECT_EQ (0, atoi32 (nullptr));

  /* Narrow kinds keep the low bits of the saturated 32-bit reading. */
  EXPECT_EQ (44, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT8, "300"));
  EXPECT_EQ (127, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT8, "-129"));
  EXPECT_EQ (-1, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT8, "99999999999"));
  EXPECT_EQ (4464, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT16, "70000"));
  EXPECT_EQ (-1, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT16, "99999999999"));
  EXPECT_EQ (0, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT16, "-99999999999"));
  EXPECT_EQ (0, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT32, "0x10"));
  EXPECT_EQ (-7, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT32, " -7 rows"));

  /* The 64-bit kind detects the base and saturates at its own limits. */
  EXPECT_EQ (16, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT64, "0x10"));
  EXPECT_EQ (16, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT64, "0X10"));
  EXPECT_EQ (8, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT64, "010"));
  EXPECT_EQ (-16, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT64, "-0x10"));
  EXPECT_EQ (G_MAXINT64, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT64, "9223372036854775808"));
  EXPECT_EQ (G_MININT64, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT64, "-9223372036854775809"));
  EXPECT_EQ (0, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_INT64, nullptr));
}

TEST_F (Factory, UnsignedIntegersReadAsA32BitStrtoul)
{
  using lm::parse::strtoul32;
  EXPECT_EQ (4294967295u, strtoul32 ("-1"));
  EXPECT_EQ (1u, strtoul32 ("-4294967295"));
  EXPECT_EQ (4294967295u, strtoul32 ("4294967295"));
  EXPECT_EQ (4294967295u, strtoul32 ("4294967296"));
  EXPECT_EQ (4294967295u, strtoul32 ("-4294967296")) << "a magnitude too large saturates, sign or not";
  EXPECT_EQ (4294967295u, strtoul32 ("99999999999999999999999"));
  EXPECT_EQ (255u, strtoul32 ("0xff"));
  EXPECT_EQ (255u, strtoul32 ("0XFF"));
  EXPECT_EQ (0u, strtoul32 ("0x")) << "the 0 before a bare x is the number";
  EXPECT_EQ (1u, strtoul32 ("0x1g"));
  EXPECT_EQ (56u, strtoul32 ("070"));
  EXPECT_EQ (0u, strtoul32 ("08")) << "8 is not an octal digit";
  EXPECT_EQ (7u, strtoul32 ("  +7"));
  EXPECT_EQ (0u, strtoul32 ("-0"));
  EXPECT_EQ (0u, strtoul32 (""));
  EXPECT_EQ (0u, strtoul32 (nullptr));
  EXPECT_EQ (4294967280u, strtoul32 ("-0x10"));

  EXPECT_EQ (255u, payload<guint64> (TAVREL_MODEL_DATA_DATA_TYPE_UINT8, "-1"));
  EXPECT_EQ (255u, payload<guint64> (TAVREL_MODEL_DATA_DATA_TYPE_UINT8, "0x1FF"));
  EXPECT_EQ (65535u, payload<guint64> (TAVREL_MODEL_DATA_DATA_TYPE_UINT16, "4294967296"));
  EXPECT_EQ (4294967295u, payload<guint64> (TAVREL_MODEL_DATA_DATA_TYPE_UINT32, "-1"));
  EXPECT_EQ (G_MAXUINT64, payload<guint64> (TAVREL_MODEL_DATA_DATA_TYPE_UINT64, "18446744073709551615"));
  EXPECT_EQ (16u, payload<guint64> (TAVREL_MODEL_DATA_DATA_TYPE_UINT64, "0x10"));
  EXPECT_EQ (0u, payload<guint64> (TAVREL_MODEL_DATA_DATA_TYPE_UINT64, nullptr));
}

TEST_F (Factory, FloatingPointTextsAreReadInTheCLocale)
{
  EXPECT_EQ (0.1, payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, "0.1"));
  /* Amounts keep double precision; a single-precision parse would store
   * 0.10000000149011612. */
  EXPECT_EQ (0.1, payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_MONEY, "0.1"));
  EXPECT_EQ (1234567.89, payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_MONEY, "1234567.89"));
  /* A float is parsed, then narrowed. */
  EXPECT_EQ (double (0.1f), payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_FLOAT, "0.1"));
  EXPECT_EQ (-2.5e-3, payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, "-2.5e-3"));
  EXPECT_EQ (0.0, payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, "abc"));
  EXPECT_EQ (0.0, payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_MONEY, nullptr));

  const char *previous = setlocale (LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (!setlocale (LC_ALL, "de_DE.UTF-8"))
    GTEST_SKIP () << "the de_DE.UTF-8 locale is not installed (build-aux/install-deps generates it)";
  double money = payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_MONEY, "2.5");
  double single = payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_FLOAT, "2.5");
  double dbl = payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, "2.5");
  double comma = payload<double> (TAVREL_MODEL_DATA_DATA_TYPE_MONEY, "2,5");
  setlocale (LC_ALL, saved.c_str ());
  EXPECT_EQ (2.5, money);
  EXPECT_EQ (2.5, single);
  EXPECT_EQ (2.5, dbl);
  EXPECT_EQ (2.0, comma) << "the comma is never a decimal separator";
}

TEST_F (Factory, DatesAndTimes)
{
  EXPECT_EQ ("2024-03-05 14:07:09", text_of (TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, "2024-03-05 14:07:09"));
  EXPECT_EQ ("2024-03-05 14:07:09", text_of (TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP, "2024-03-05T14:07:09+02:00"));
  EXPECT_EQ ("1970-01-01 00:00:00", text_of (TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, "not a time"));
  EXPECT_EQ ("2024-03-05", text_of (TAVREL_MODEL_DATA_DATA_TYPE_DATE, "2024-03-05T14:07:09"));
  /* Date and time columns arrive as a date or a time of day alone. */
  EXPECT_EQ ("2024-03-05", text_of (TAVREL_MODEL_DATA_DATA_TYPE_DATE, "2024-03-05"));
  EXPECT_EQ ("14:07:09", text_of (TAVREL_MODEL_DATA_DATA_TYPE_TIME, "14:07:09"));
  EXPECT_EQ ("14:07:09", text_of (TAVREL_MODEL_DATA_DATA_TYPE_TIME, "14:07:09.75"));
  EXPECT_EQ ("14:07:09", text_of (TAVREL_MODEL_DATA_DATA_TYPE_TIME, "2024-03-05T14:07:09Z"));
  EXPECT_EQ ("00:00:00", text_of (TAVREL_MODEL_DATA_DATA_TYPE_TIME, "noon"));
  EXPECT_EQ ("00:00:00", text_of (TAVREL_MODEL_DATA_DATA_TYPE_TIME, "25:00:00"));
  EXPECT_EQ ("1970-01-01", text_of (TAVREL_MODEL_DATA_DATA_TYPE_DATE, "05.03.2024"));

  /* The time of day keeps its fraction of a second. */
  auto *time = TAVREL_MODEL_DATA_VALUE_DATE_TIME (make (TAVREL_MODEL_DATA_DATA_TYPE_TIME, "2024-03-05T07:05:03.5Z"));
  EXPECT_DOUBLE_EQ (3.5, g_date_time_get_seconds (tavrel_model_data_value_date_time_get_itsvalue (time)));

  /* No text: now. */
  gint64 before = g_get_real_time () / G_USEC_PER_SEC;
  for (K kind : {TAVREL_MODEL_DATA_DATA_TYPE_DATE, TAVREL_MODEL_DATA_DATA_TYPE_TIME, TAVREL_MODEL_DATA_DATA_TYPE_DATETIME}) {
    auto *now = TAVREL_MODEL_DATA_VALUE_DATE_TIME (make (kind, nullptr));
    GDateTime *held = tavrel_model_data_value_date_time_get_itsvalue (now);
    ASSERT_NE (nullptr, held) << int (kind);
    EXPECT_LE (before, g_date_time_to_unix (held));
    EXPECT_GE (before + 5, g_date_time_to_unix (held));
  }

  EXPECT_EQ (3600, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN, "3600"));
  EXPECT_EQ (16, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN, "0x10"));
  EXPECT_EQ (0, payload<gint64> (TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN, nullptr));
}

TEST_F (Factory, TextsAndBytes)
{
  EXPECT_EQ ("it's", text_of (TAVREL_MODEL_DATA_DATA_TYPE_STRING, "it's"));
  EXPECT_EQ ("", text_of (TAVREL_MODEL_DATA_DATA_TYPE_STRING, nullptr));
  EXPECT_EQ ("not-a-uuid", text_of (TAVREL_MODEL_DATA_DATA_TYPE_UUID, "not-a-uuid"));
  EXPECT_EQ ("", text_of (TAVREL_MODEL_DATA_DATA_TYPE_UUID, nullptr));
  EXPECT_EQ ("{\"a\":", text_of (TAVREL_MODEL_DATA_DATA_TYPE_JSON, "{\"a\":"));
  EXPECT_EQ ("", text_of (TAVREL_MODEL_DATA_DATA_TYPE_OBJECT, "ignored"));

  for (K kind : {TAVREL_MODEL_DATA_DATA_TYPE_BINARY, TAVREL_MODEL_DATA_DATA_TYPE_BLOB}) {
    auto *bytes = TAVREL_MODEL_DATA_VALUE_BINARY (make (kind, "abc"));
    EXPECT_EQ ("abc", take_string (tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (bytes))));
    EXPECT_TRUE (tavrel_model_data_value_binary_is_text (bytes));
    EXPECT_EQ ("616263", take_string (tavrel_model_data_value_binary_to_hexadecimal (bytes)));
    gint length = -1;
    g_autofree guint8 *copy = tavrel_model_data_value_binary_to_bytes (bytes, &length);
    EXPECT_EQ (3, length);

    auto *empty = TAVREL_MODEL_DATA_VALUE_BINARY (make (kind, nullptr));
    length = -1;
    EXPECT_EQ (nullptr, tavrel_model_data_value_binary_to_bytes (empty, &length));
    EXPECT_EQ (0, length);
  }
}

TEST_F (Factory, NeverFailsWhateverTheInput)
{
  const char *texts[] = {nullptr, "", " ", "(Null)", "-", "0x", "\xff\xfe", "9999999999999999999999999999",
                         "2024-13-45T99:99:99Z", "1e999", "nan", "\t"};
  for (int kind = -3; kind <= 45; kind++)
    for (const char *text : texts)
      EXPECT_NE (nullptr, make (K (kind), text)) << kind;
  EXPECT_EQ (0u, pending ()) << "the factory logs nothing for odd input";
}

TEST_F (Factory, ValuesAreNewAndOwnedByTheCaller)
{
  TavrelModelDataIValue *first = tavrel_model_data_ivalue_factory (TAVREL_MODEL_DATA_DATA_TYPE_INT32, "1");
  TavrelModelDataIValue *second = tavrel_model_data_ivalue_factory (TAVREL_MODEL_DATA_DATA_TYPE_INT32, "1");
  EXPECT_NE (first, second);
  lmtest::Watch watch (first);
  EXPECT_EQ (1u, G_OBJECT (first)->ref_count);
  g_object_unref (first);
  g_object_unref (second);
  EXPECT_TRUE (watch.finalized ());
}

namespace {

/* A number text as drivers and people write them, and as they should not:
 * a sign, leading zeros, digits, a fraction, an exponent, each there or
 * not, of lengths on both sides of what the short roads read. */
std::string
number_text (GRand *rand, bool with_fraction)
{
  std::string text;
  switch (g_rand_int_range (rand, 0, 6)) {
  case 0: text += '-'; break;
  case 1: text += '+'; break;
  default: break;
  }
  if (g_rand_int_range (rand, 0, 5) == 0)
    text.append (size_t (g_rand_int_range (rand, 1, 4)), '0');
  int digits = g_rand_int_range (rand, 0, 22);
  for (int i = 0; i < digits; i++)
    text += char ('0' + g_rand_int_range (rand, 0, 10));
  if (with_fraction && g_rand_boolean (rand)) {
    text += '.';
    int fraction = g_rand_int_range (rand, 0, 26);
    for (int i = 0; i < fraction; i++)
      text += char ('0' + g_rand_int_range (rand, 0, 10));
  }
  if (with_fraction && g_rand_int_range (rand, 0, 3) == 0) {
    text += g_rand_boolean (rand) ? 'e' : 'E';
    if (g_rand_boolean (rand))
      text += g_rand_boolean (rand) ? '-' : '+';
    int exponent = g_rand_int_range (rand, 0, 5);
    for (int i = 0; i < exponent; i++)
      text += char ('0' + g_rand_int_range (rand, 0, 10));
  }
  return text;
}

guint64
bits_of (double value)
{
  guint64 bits;
  memcpy (&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

/* The factory reads the common number texts itself; whatever the text,
 * the result is GLib's, bit for bit. */
TEST_F (Factory, ShortRoadsReadNumbersAsGLibDoes)
{
  const char *integers[] = {"0", "-0", "+0", "00", "007", "-007", "1", "-7", "9000000000", "999999999999999999",
                            "-999999999999999999", "1000000000000000000", "9223372036854775807",
                            "9223372036854775808", "-9223372036854775808", "-9223372036854775809",
                            "99999999999999999999999", " 42", "42 ", "\t-3", "0x1F", "0X1f", "-0x10", "010", "08",
                            "1e5", "12abc", "", "-", "+", "--1", "+-1", "1.5"};
  for (const char *text : integers)
    EXPECT_EQ (g_ascii_strtoll (text, nullptr, 0), lm::parse::ascii_strtoll0 (text)) << "\"" << text << "\"";

  const char *decimals[] = {"", ".", "-.", "+.", "5.", ".5", "-.5", "0", "-0", "-0.0", "+0.000", "3.25", "-7",
                            "0.1", "0.2", "0.3", "4.35", "2.675", "1.005", "0.30000000000000004", "123456789012345",
                            "1234567890123456", "12345678901234567", "999999999999999", "9007199254740993",
                            "0.000000000000000000001", "0.0000000000000000000001", "0.00000000000000000000001",
                            "1e22", "1e23", "1e-22", "1e-23", "123456789012345e22", "123456789012345e-22",
                            "1.5e300", "1.7976931348623157e308", "2e308", "4.9e-324", "1e", "1e+", "1e-", "1e-5",
                            "1E5", "-0.5e3", "1e0005", "1e005", "inf", "-Infinity", "nan", "0x1p3", "0x10",
                            " 1.5", "1.5 ", "1,5", "1.5.5", "1..5", "--1", "1e5.5", "00000000000000000000001.5",
                            "1.000000000000000000000000"};
  for (const char *text : decimals)
    EXPECT_EQ (bits_of (g_ascii_strtod (text, nullptr)), bits_of (lm::parse::ascii_strtod (text)))
        << "\"" << text << "\"";

  g_autoptr (GRand) rand = g_rand_new_with_seed (20241208);
  int mismatches = 0;
  for (int i = 0; i < 200000 && mismatches < 10; i++) {
    std::string integer = number_text (rand, false);
    if (g_ascii_strtoll (integer.c_str (), nullptr, 0) != lm::parse::ascii_strtoll0 (integer.c_str ())) {
      ADD_FAILURE () << "integer \"" << integer << "\"";
      mismatches++;
    }
    std::string decimal = number_text (rand, true);
    if (bits_of (g_ascii_strtod (decimal.c_str (), nullptr)) != bits_of (lm::parse::ascii_strtod (decimal.c_str ()))) {
      ADD_FAILURE () << "decimal \"" << decimal << "\"";
      mismatches++;
    }
  }

  /* Whatever the process locale. */
  const char *previous = setlocale (LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (setlocale (LC_ALL, "de_DE.UTF-8")) {
    double comma = lm::parse::ascii_strtod ("1,5");
    double point = lm::parse::ascii_strtod ("1.5");
    setlocale (LC_ALL, saved.c_str ());
    EXPECT_EQ (1.0, comma);
    EXPECT_EQ (1.5, point);
  }
}

namespace {

/* Both null, or the same instant in the same zone. */
::testing::AssertionResult
same_datetime (GDateTime *expected, GDateTime *actual)
{
  if (!expected || !actual) {
    if (expected == actual)
      return ::testing::AssertionSuccess ();
    return ::testing::AssertionFailure () << (expected ? "null, expected a date-time" : "a date-time, expected null");
  }
  if (g_date_time_difference (expected, actual) != 0 ||
      g_date_time_get_utc_offset (expected) != g_date_time_get_utc_offset (actual) ||
      g_strcmp0 (g_time_zone_get_identifier (g_date_time_get_timezone (expected)),
                 g_time_zone_get_identifier (g_date_time_get_timezone (actual))) != 0) {
    g_autofree gchar *e = g_date_time_format (expected, "%F %T.%f %z %Z");
    g_autofree gchar *a = g_date_time_format (actual, "%F %T.%f %z %Z");
    return ::testing::AssertionFailure () << a << ", expected " << e;
  }
  return ::testing::AssertionSuccess ();
}

std::string
digits (GRand *rand, int count, int below)
{
  char text[16];
  g_snprintf (text, sizeof text, "%0*d", count, g_rand_int_range (rand, 0, below));
  return text;
}

/* Date-time texts around the form the short road reads, and off it by one
 * piece or another. */
std::string
datetime_text (GRand *rand)
{
  auto one_in = [rand] (int n) { return g_rand_int_range (rand, 0, n) == 0; };
  std::string text = one_in (20) ? digits (rand, 3, 1000) : one_in (10) ? "0000" : digits (rand, 4, 10000);
  text += one_in (30) ? "/" : "-";
  text += one_in (30) ? digits (rand, 1, 10) : digits (rand, 2, 14);
  text += "-";
  text += digits (rand, 2, 33);
  if (one_in (10))
    return text;
  const char *separators[] = {"T", "T", " ", " ", "t", "x", ""};
  text += separators[g_rand_int_range (rand, 0, G_N_ELEMENTS (separators))];
  text += digits (rand, 2, 26) + (one_in (30) ? "" : ":") + digits (rand, 2, 62) + ":" + digits (rand, 2, 63);
  if (one_in (2)) {
    text += one_in (4) ? "," : ".";
    int places = g_rand_int_range (rand, 0, 13);
    for (int i = 0; i < places; i++)
      text += char ('0' + g_rand_int_range (rand, 0, 10));
  }
  const char *zones[] = {"", "", "", "Z", "Z", "z", "+02:00", "-0130", "+05", "x"};
  text += zones[g_rand_int_range (rand, 0, G_N_ELEMENTS (zones))];
  return text;
}

/* What the date-time constructors did before the short road: GLib's
 * parse, and a date alone as that date at T00:00:00. */
GDateTime *
glib_or_date (const char *text, GTimeZone *zone)
{
  GDateTime *parsed = g_date_time_new_from_iso8601 (text, zone);
  bool date_alone = strlen (text) == 10 && text[4] == '-' && text[7] == '-';
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
    date_alone = date_alone && g_ascii_isdigit (text[i]);
  if (!parsed && date_alone) {
    std::string midnight = std::string (text) + "T00:00:00";
    parsed = g_date_time_new_from_iso8601 (midnight.c_str (), zone);
  }
  return parsed;
}

}  // namespace

/* The date-time texts databases deliver are read without GLib's parser
 * into the arguments it would hand g_date_time_new; whatever the text and
 * default zone, the result is GLib's. */
TEST_F (Factory, ShortRoadReadsDateTimesAsGLibDoes)
{
  g_autoptr (GTimeZone) utc = g_time_zone_new_utc ();
  g_autoptr (GTimeZone) offset = g_time_zone_new_identifier ("+03:00");
  g_autoptr (GTimeZone) berlin = g_time_zone_new_identifier ("Europe/Berlin");
  GTimeZone *zones[] = {utc, offset, berlin, nullptr};

  const char *texts[] = {"2024-03-05 14:07:09", "2024-03-05T14:07:09", "2024-03-05t14:07:09",
                         "2024-03-05T14:07:09Z", "2024-03-05T14:07:09.5", "2024-03-05T14:07:09,25Z",
                         "2024-03-05T14:07:09.123456", "2024-03-05T14:07:09.1234567", "2024-03-05T14:07:09.999999999",
                         "2024-03-05T14:07:09.9999999999", "2024-03-05T14:07:09.", "2024-03-05T14:07:09.Z",
                         "2024-03-05T23:59:60", "2024-03-05T23:59:61.5", "2024-03-05T23:59:62",
                         "2024-03-05T24:00:00", "2024-02-30T00:00:00", "0000-01-01T00:00:00", "9999-12-31T23:59:59.999",
                         "2024-03-05T14:07:09z", "2024-03-05T14:07:09+01:00", "2024-03-05T14:07:09-05",
                         "2024-03-05T14:07:09 ", "2024-03-05T14:07", "2024-03-05T140709", "20240305T14:07:09",
                         "2024-03-05", "2024-3-05", "2024-03-05x14:07:09", "2024-03-05  14:07:09",
                         "2024-10-27T02:30:00", "2024-03-31T02:30:00", "", "T", "2024-03-05T"};
  for (GTimeZone *zone : zones) {
    for (const char *text : texts) {
      g_autoptr (GDateTime) expected = g_date_time_new_from_iso8601 (text, zone);
      g_autoptr (GDateTime) actual = lm::parse::iso8601 (text, zone);
      EXPECT_TRUE (same_datetime (expected, actual)) << "\"" << text << "\" in " << (zone ? g_time_zone_get_identifier (zone) : "no zone");
      g_autoptr (GDateTime) expected_date = glib_or_date (text, zone);
      g_autoptr (GDateTime) actual_date = lm::parse::iso8601_or_date (text, zone);
      EXPECT_TRUE (same_datetime (expected_date, actual_date)) << "\"" << text << "\" or date";
    }
  }

  g_autoptr (GRand) rand = g_rand_new_with_seed (20241208);
  int mismatches = 0;
  for (int i = 0; i < 100000 && mismatches < 10; i++) {
    std::string text = datetime_text (rand);
    GTimeZone *zone = zones[g_rand_int_range (rand, 0, G_N_ELEMENTS (zones))];
    g_autoptr (GDateTime) expected = glib_or_date (text.c_str (), zone);
    g_autoptr (GDateTime) actual = lm::parse::iso8601_or_date (text.c_str (), zone);
    ::testing::AssertionResult same = same_datetime (expected, actual);
    if (!same) {
      ADD_FAILURE () << "\"" << text << "\": " << same.message ();
      mismatches++;
    }
  }
}
