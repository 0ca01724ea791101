/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The value factory: a cell's text and its column's kind become a value.
 *
 * Data readers receive every cell as text.  The conversions follow the C
 * library's readers (atoi, strtoul) where stored data and callers rely on
 * their results, but are written out here: glibc's atoi reads a 64-bit long
 * and would not saturate at the 32-bit limits, and its strtoul is 64 bits
 * wide.  Nothing depends on the process locale.
 */

#include "Data/value_factory.h"

#include <cstring>

#include "include/libmodel.h"

namespace lm::parse {

/* What both readers skip before the digits, as the C library does: white
 * space of the C locale, then one optional sign.  Returns the first digit's
 * place and whether the sign was a minus. */
static const char *
skip_to_digits (const char *text, bool *negative)
{
  const char *p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
    p++;
  *negative = *p == '-';
  if (*p == '-' || *p == '+')
    p++;
  return p;
}

gint32
atoi32 (const char *text)
{
  if (!text)
    return 0;
  bool negative;
  const char *p = skip_to_digits (text, &negative);
  /* Accumulate the magnitude, capped just beyond what either limit needs. */
  constexpr guint64 cap = guint64 (G_MAXINT32) + 1;
  guint64 magnitude = 0;
  for (; *p >= '0' && *p <= '9'; p++) {
    magnitude = magnitude * 10 + guint64 (*p - '0');
    if (magnitude > cap)
      magnitude = cap + 1;
  }
  if (negative)
    return magnitude >= cap ? G_MININT32 : -gint32 (magnitude);
  return magnitude > guint64 (G_MAXINT32) ? G_MAXINT32 : gint32 (magnitude);
}

guint32
strtoul32 (const char *text)
{
  if (!text)
    return 0;
  bool negative;
  const char *p = skip_to_digits (text, &negative);
  guint base = 10;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && g_ascii_isxdigit (p[2])) {
    base = 16;
    p += 2;
  } else if (p[0] == '0') {
    base = 8;
  }
  guint64 magnitude = 0;
  bool overflow = false;
  for (;; p++) {
    int digit = g_ascii_xdigit_value (*p);
    if (digit < 0 || guint (digit) >= base)
      break;
    magnitude = magnitude * base + guint (digit);
    if (magnitude > G_MAXUINT32) {
      overflow = true;
      magnitude = G_MAXUINT32;
    }
  }
  if (overflow)
    return G_MAXUINT32;
  /* strtoul negates a leading minus in the unsigned type. */
  return negative ? guint32 (0u - guint32 (magnitude)) : guint32 (magnitude);
}

/*
 * The texts number columns deliver ("9000000000", "-7", "3.25") take a
 * short road to exactly the result of GLib's readers, which stay the road
 * for everything else: white space, a base prefix, a leading zero (octal
 * for g_ascii_strtoll), more digits than the short road reads exactly,
 * trailing text, infinities and the like.
 */

gint64
ascii_strtoll0 (const char *text)
{
  const char *p = text;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+')
    p++;
  /* Up to 18 digits cannot overflow, so there is nothing to saturate. */
  if (*p >= '1' && *p <= '9') {
    guint64 magnitude = 0;
    const char *first = p;
    for (; *p >= '0' && *p <= '9' && p - first < 18; p++)
      magnitude = magnitude * 10 + guint64 (*p - '0');
    if (*p == '\0')
      return negative ? -gint64 (magnitude) : gint64 (magnitude);
  } else if (p[0] == '0' && p[1] == '\0') {
    return 0;
  }
  return g_ascii_strtoll (text, nullptr, 0);
}

/* A decimal of at most 15 significant digits is an integer below 2^53
 * scaled by a power of ten up to 10^22: both are doubles exactly, so one
 * multiplication or division rounds once, correctly, as strtod does. */
gdouble
ascii_strtod (const char *text)
{
  static constexpr double powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr int max_digits = 15, max_scale = 22;
  const char *p = text;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+')
    p++;
  guint64 mantissa = 0;
  int digits = 0, fraction = 0;
  bool any = false;
  auto take_digit = [&] (char c) {
    any = true;
    /* Leading zeros are no significant digits. */
    if (mantissa == 0 && c == '0')
      return true;
    mantissa = mantissa * 10 + guint64 (c - '0');
    return ++digits <= max_digits;
  };
  for (; *p >= '0' && *p <= '9'; p++)
    if (!take_digit (*p))
      return g_ascii_strtod (text, nullptr);
  if (*p == '.')
    for (p++; *p >= '0' && *p <= '9'; p++, fraction++)
      if (!take_digit (*p))
        return g_ascii_strtod (text, nullptr);
  if (!any)
    return g_ascii_strtod (text, nullptr);
  int exponent = 0;
  if (*p == 'e' || *p == 'E') {
    p++;
    bool negative_exponent = *p == '-';
    if (*p == '-' || *p == '+')
      p++;
    const char *first = p;
    for (; *p >= '0' && *p <= '9' && p - first < 3; p++)
      exponent = exponent * 10 + (*p - '0');
    if (p == first)
      return g_ascii_strtod (text, nullptr);
    if (negative_exponent)
      exponent = -exponent;
  }
  int scale = exponent - fraction;
  if (*p != '\0' || fraction > max_scale || scale < -max_scale || scale > max_scale)
    return g_ascii_strtod (text, nullptr);
  double value = double (mantissa);
  value = scale < 0 ? value / powers_of_ten[-scale] : value * powers_of_ten[scale];
  return negative ? -value : value;
}

}  // namespace lm::parse

/* ---- the factory --------------------------------------------------------- */

namespace {

template <class T>
inline TavrelModelDataIValue *
as_ivalue (T *value)
{
  return reinterpret_cast<TavrelModelDataIValue *> (value);
}

/* An ISO 8601 time of day on its own, "14:07:09", is what a database
 * delivers for a time column; GLib's parser wants a date before it. */
GDateTime *
parse_time_of_day (const char *text, GTimeZone *utc)
{
  GDateTime *parsed = lm::parse::iso8601 (text, utc);
  if (!parsed && g_ascii_isdigit (text[0]) && g_ascii_isdigit (text[1]) && text[2] == ':') {
    g_autofree char *dated = g_strconcat ("1970-01-01T", text, nullptr);
    parsed = lm::parse::iso8601 (dated, utc);
  }
  return parsed;
}

TavrelModelDataIValue *
time_value (const char *text)
{
  if (!text)
    return as_ivalue (tavrel_model_data_value_time_new ());
  g_autoptr (GTimeZone) utc = g_time_zone_new_utc ();
  g_autoptr (GDateTime) parsed = parse_time_of_day (text, utc);
  if (!parsed)
    return as_ivalue (tavrel_model_data_value_time_new_hms (0, 0, 0.0));
  return as_ivalue (tavrel_model_data_value_time_new_hms (g_date_time_get_hour (parsed), g_date_time_get_minute (parsed),
                                                          g_date_time_get_seconds (parsed)));
}

}  // namespace

extern "C" TavrelModelDataIValue *
tavrel_model_data_ivalue_factory (TavrelModelDataDataType data_type, const gchar *text) noexcept
{
  using lm::parse::ascii_strtod;
  using lm::parse::ascii_strtoll0;
  using lm::parse::atoi32;
  using lm::parse::strtoul32;

  /* Most cells are not NULL: their first character says so. */
  if (text && text[0] == '(' && strcmp (text, "(Null)") == 0)
    return as_ivalue (tavrel_model_data_value_null_new ());

  const char *text_or_empty = text ? text : "";
  switch (data_type) {
  case TAVREL_MODEL_DATA_DATA_TYPE_DBNULL:
    return as_ivalue (tavrel_model_data_value_null_new ());
  case TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN:
    return as_ivalue (tavrel_model_data_value_boolean_new (g_strcmp0 (text, "true") == 0));
  case TAVREL_MODEL_DATA_DATA_TYPE_INT8:
    return as_ivalue (tavrel_model_data_value_int8_new (gint8 (atoi32 (text))));
  case TAVREL_MODEL_DATA_DATA_TYPE_INT16:
    return as_ivalue (tavrel_model_data_value_int16_new (gint16 (atoi32 (text))));
  case TAVREL_MODEL_DATA_DATA_TYPE_INT32:
    return as_ivalue (tavrel_model_data_value_int32_new (atoi32 (text)));
  case TAVREL_MODEL_DATA_DATA_TYPE_INT64:
    return as_ivalue (tavrel_model_data_value_int64_new (ascii_strtoll0 (text_or_empty)));
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT8:
    return as_ivalue (tavrel_model_data_value_uint8_new (guint8 (strtoul32 (text))));
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT16:
    return as_ivalue (tavrel_model_data_value_uint16_new (guint16 (strtoul32 (text))));
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT32:
    return as_ivalue (tavrel_model_data_value_uint32_new (strtoul32 (text)));
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT64:
    return as_ivalue (tavrel_model_data_value_uint64_new (g_ascii_strtoull (text_or_empty, nullptr, 0)));
  /* Money is read at double precision: a single-precision parse would turn
   * 0.1 into 0.10000000149011612, a wrong amount. */
  case TAVREL_MODEL_DATA_DATA_TYPE_MONEY:
    return as_ivalue (tavrel_model_data_value_money_new (ascii_strtod (text_or_empty)));
  case TAVREL_MODEL_DATA_DATA_TYPE_FLOAT:
    return as_ivalue (tavrel_model_data_value_float_new (gfloat (ascii_strtod (text_or_empty))));
  case TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE:
    return as_ivalue (tavrel_model_data_value_double_new (ascii_strtod (text_or_empty)));
  case TAVREL_MODEL_DATA_DATA_TYPE_DATE:
    return as_ivalue (text ? tavrel_model_data_value_date_new_iso8601 (text) : tavrel_model_data_value_date_new ());
  case TAVREL_MODEL_DATA_DATA_TYPE_TIME:
    return time_value (text);
  case TAVREL_MODEL_DATA_DATA_TYPE_DATETIME:
  case TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP:
    return as_ivalue (text ? tavrel_model_data_value_date_time_new_iso8601 (text)
                           : tavrel_model_data_value_date_time_new ());
  case TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN:
    return as_ivalue (tavrel_model_data_value_time_span_new_interval (0, ascii_strtoll0 (text_or_empty)));
  case TAVREL_MODEL_DATA_DATA_TYPE_STRING:
    return as_ivalue (tavrel_model_data_value_string_new (text_or_empty));
  case TAVREL_MODEL_DATA_DATA_TYPE_UUID:
    return as_ivalue (tavrel_model_data_value_uuid_new_uuid (text_or_empty));
  case TAVREL_MODEL_DATA_DATA_TYPE_JSON:
    return as_ivalue (tavrel_model_data_value_json_new (text_or_empty));
  case TAVREL_MODEL_DATA_DATA_TYPE_BINARY:
    return as_ivalue (tavrel_model_data_value_binary_new (reinterpret_cast<const guint8 *> (text_or_empty),
                                                          gint32 (strlen (text_or_empty))));
  case TAVREL_MODEL_DATA_DATA_TYPE_BLOB:
    return as_ivalue (tavrel_model_data_value_blob_new (reinterpret_cast<const guint8 *> (text_or_empty),
                                                        gint32 (strlen (text_or_empty))));
  case TAVREL_MODEL_DATA_DATA_TYPE_OBJECT:
    return as_ivalue (tavrel_model_data_value_object_new ());
  default:
    return as_ivalue (tavrel_model_data_value_xml_new (text_or_empty));
  }
}
