/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Truth values, single characters and the floating-point kinds (float,
 * double, money, decimal), and the interface that reads the last four as a
 * double.  Money and decimal amounts are binary doubles, not exact decimals.
 */

#include "Data/value_scalar.h"

/* ---- INumeric ------------------------------------------------------------ */

G_DEFINE_INTERFACE (TavrelModelDataINumeric, tavrel_model_data_inumeric, G_TYPE_OBJECT)

static void
tavrel_model_data_inumeric_default_init (TavrelModelDataINumericInterface *)
{
}

/* Like to_integer: -1.0 from an implementation without the slot. */
extern "C" gdouble
tavrel_model_data_inumeric_to_double (TavrelModelDataINumeric *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, 0.0);
  auto *iface = lm::peek_iface<TavrelModelDataINumericInterface> (self, TAVREL_MODEL_DATA_TYPE_INUMERIC);
  LM_RETURN_VAL_IF_FAIL_TEXT (iface != nullptr, "TAVREL_MODEL_DATA_IS_INUMERIC (self)", 0.0);
  return iface->to_double ? iface->to_double (self) : -1.0;
}

/* ---- renderings ------------------------------------------------------------ */

/* std::to_chars with a precision renders exactly as printf does in the C
 * locale, and never reads the process locale: a client that called
 * setlocale (LC_ALL, "") still gets a decimal point. */

/* "%.2f" */
static char *
fixed2 (double value)
{
  /* G_MAXDOUBLE has 309 integer digits. */
  char text[320];
  char *end = std::to_chars (text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
  return g_strndup (text, gsize (end - text));
}

/* "%G": six significant digits, trailing zeros dropped, exponent form with a
 * capital E below 1E-04 and from 1E+06 on; INF and NAN in capitals too. */
static char *
general6 (double value)
{
  char text[32];
  char *end = std::to_chars (text, text + sizeof text, value, std::chars_format::general, 6).ptr;
  for (char *c = text; c < end; c++)
    *c = g_ascii_toupper (*c);
  return g_strndup (text, gsize (end - text));
}

static char *
truth (bool value)
{
  return g_strdup (value ? "true" : "false");
}

/* The character whose code is the payload.  Codes from 128 on are the
 * Latin-1 characters and are written in UTF-8 like every string the library
 * hands out; a lone byte there would be invalid text.  NUL gives the empty
 * string, as a C string holding it reads. */
static char *
character (guchar code)
{
  char text[3] = {};
  if (code < 0x80) {
    text[0] = char (code);
  } else {
    text[0] = char (0xC0 | (code >> 6));
    text[1] = char (0x80 | (code & 0x3F));
  }
  return g_strdup (text);
}

/* ---- the six classes ------------------------------------------------------- */

namespace {

/* Held as bool, so any non-zero gboolean reads back as TRUE. */
struct Boolean {
  using payload = bool;
  static constexpr auto get_type = tavrel_model_data_value_boolean_get_type;
  static constexpr const char *name = "bool";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN;
  static constexpr GType value_type = G_TYPE_BOOLEAN;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_boolean ("itsvalue", nullptr, nullptr, FALSE, lm::RW); }
  static constexpr auto render = truth;
};

struct Char {
  using payload = guchar;
  static constexpr auto get_type = tavrel_model_data_value_char_get_type;
  static constexpr const char *name = "char";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_CHAR;
  static constexpr GType value_type = G_TYPE_UCHAR;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_uchar ("itsvalue", nullptr, nullptr, 0, G_MAXUINT8, 0, lm::RW); }
  static constexpr auto render = character;
};

/* Rendered and read as a double, widened. */
struct Float {
  using payload = gfloat;
  static constexpr auto get_type = tavrel_model_data_value_float_get_type;
  static constexpr const char *name = "float";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_FLOAT;
  static constexpr GType value_type = G_TYPE_FLOAT;
  static GParamSpec *itsvalue_pspec ()
  {
    return g_param_spec_float ("itsvalue", nullptr, nullptr, -G_MAXFLOAT, G_MAXFLOAT, 0.0f, lm::RW);
  }
  static constexpr auto render = fixed2;
};

GParamSpec *
double_pspec ()
{
  return g_param_spec_double ("itsvalue", nullptr, nullptr, -G_MAXDOUBLE, G_MAXDOUBLE, 0.0, lm::RW);
}

struct Double {
  using payload = gdouble;
  static constexpr auto get_type = tavrel_model_data_value_double_get_type;
  static constexpr const char *name = "double";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE;
  static constexpr GType value_type = G_TYPE_DOUBLE;
  static constexpr auto itsvalue_pspec = double_pspec;
  static constexpr auto render = fixed2;
};

struct Money {
  using payload = gdouble;
  static constexpr auto get_type = tavrel_model_data_value_money_get_type;
  static constexpr const char *name = "money";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_MONEY;
  static constexpr GType value_type = G_TYPE_DOUBLE;
  static constexpr auto itsvalue_pspec = double_pspec;
  static constexpr auto render = general6;
};

struct Decimal {
  using payload = gdouble;
  static constexpr auto get_type = tavrel_model_data_value_decimal_get_type;
  static constexpr const char *name = "decimal";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL;
  static constexpr GType value_type = G_TYPE_DOUBLE;
  static constexpr auto itsvalue_pspec = double_pspec;
  static constexpr auto render = general6;
};

}  // namespace

LM_VALUE_CLASS (Boolean, boolean, BOOLEAN, gboolean)
LM_VALUE_SECOND_GETTER (Boolean, boolean, BOOLEAN, gboolean, boolean)

LM_VALUE_CLASS (Char, char, CHAR, guchar)
LM_VALUE_SECOND_GETTER (Char, char, CHAR, guchar, char)

LM_VALUE_CLASS (Float, float, FLOAT, gfloat)
LM_VALUE_CLASS (Double, double, DOUBLE, gdouble)
LM_VALUE_CLASS (Money, money, MONEY, gdouble)
LM_VALUE_CLASS (Decimal, decimal, DECIMAL, gdouble)

/* The construction benchmarks compare with floors of these sizes. */
static_assert (sizeof (TavrelModelDataValueBooleanPrivate) == 1 && sizeof (TavrelModelDataValueCharPrivate) == 1 &&
               sizeof (TavrelModelDataValueFloatPrivate) == 4 && sizeof (TavrelModelDataValueDoublePrivate) == 8);
