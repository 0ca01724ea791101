/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Points and spans of time.  ValueDateTime holds one GDateTime reference;
 * ValueDate and ValueTime keep that same field and differ only in how they
 * render, convert and copy it.  ValueTimeSpan is a signed 64-bit span.
 *
 * Which zone a stored date-time carries depends on how it was made (the
 * database's text keeps its own zone, a caller's date-time is brought to
 * local time, a time of day is kept in UTC); rendering never converts, so a
 * value shows the wall-clock time of the zone it holds.
 */

#include "Data/value_factory.h"
#include "Data/value_object.h"

#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"
#include "Support/timezone.h"

/* ---- shared helpers ------------------------------------------------------ */

namespace {

/* A value without a date-time (an impossible calendar date, or one the
 * caller cleared) says so in place of a text. */
constexpr const char null_text[] = "(NULL)";

gchar *
render (GDateTime *datetime, const char *format)
{
  return datetime ? g_date_time_format (datetime, format) : g_strdup (null_text);
}

/* A text the parser rejects still yields a value, the start of the Unix
 * epoch in local time, so one bad cell never costs a result its row. */
GDateTime *
parse_iso8601 (const char *text, GTimeZone *zone_of_plain_texts)
{
  GDateTime *parsed = lm::parse::iso8601_or_date (text, zone_of_plain_texts);
  return parsed ? parsed : lm::from_unix_local (0);
}

/* Today's date in local time at the given time of day, or null when the
 * time of day is impossible. */
GDateTime *
today_at (gint hour, gint minute, gdouble seconds)
{
  g_autoptr (GTimeZone) local = lm::local_zone ();
  g_autoptr (GDateTime) now = g_date_time_new_now (local);
  gint year, month, day;
  g_date_time_get_ymd (now, &year, &month, &day);
  return g_date_time_new (local, year, month, day, hour, minute, seconds);
}

/* Date-times are immutable: a copy of a value may share its source's. */
GDateTime *
shared (GDateTime *datetime)
{
  return datetime ? g_date_time_ref (datetime) : nullptr;
}

}  // namespace

/* ---- reading ISO 8601 texts ----------------------------------------------- */

namespace lm::parse {

namespace {

/* Count decimal digits at text, as GLib's get_iso8601_int reads them; the
 * caller has read the characters before, none of them the terminator. */
bool
iso_digits (const char *text, int count, int *value)
{
  int v = 0;
  for (int i = 0; i < count; i++) {
    if (text[i] < '0' || text[i] > '9')
      return false;
    v = v * 10 + (text[i] - '0');
  }
  *value = v;
  return true;
}

/* YYYY-MM-DD at text. */
bool
iso_date (const char *text, int *year, int *month, int *day)
{
  return iso_digits (text, 4, year) && text[4] == '-' && iso_digits (text + 5, 2, month) && text[7] == '-' &&
         iso_digits (text + 8, 2, day);
}

}  // namespace

/*
 * What databases deliver, "2024-03-05 14:07:09" with a fraction of a
 * second or a Z at most, is read here into the very arguments GLib's
 * parser hands g_date_time_new for it: the seconds as GLib computes them
 * (the digits with the fraction's, as one integer over a power of ten; a
 * leap second read as 59), the default zone, or UTC for a Z.  Any other
 * text goes to GLib's parser.
 */
GDateTime *
iso8601 (const char *text, GTimeZone *default_tz)
{
  int year, month, day, hour, minute, second;
  /* Each character is read only once those before it were not the end. */
  if (!iso_date (text, &year, &month, &day) || !(text[10] == 'T' || text[10] == 't' || text[10] == ' ') ||
      !iso_digits (text + 11, 2, &hour) || text[13] != ':' || !iso_digits (text + 14, 2, &minute) ||
      text[16] != ':' || !iso_digits (text + 17, 2, &second))
    return g_date_time_new_from_iso8601 (text, default_tz);

  const char *p = text + 19;
  guint64 digits = guint64 (second == 60 || second == 61 ? 59 : second), divisor = 1;
  if (*p == '.' || *p == ',') {
    p++;
    const char *first = p;
    /* Nine places cannot overflow; GLib reads more, with checks. */
    for (; *p >= '0' && *p <= '9' && p - first < 9; p++) {
      digits = digits * 10 + guint64 (*p - '0');
      divisor *= 10;
    }
    if (p == first)
      return g_date_time_new_from_iso8601 (text, default_tz);
  }
  bool utc = *p == 'Z';
  if (utc)
    p++;
  if (*p != '\0')
    return g_date_time_new_from_iso8601 (text, default_tz);
  if (!utc && !default_tz)
    return nullptr;

  g_autoptr (GTimeZone) utc_zone = utc ? g_time_zone_new_utc () : nullptr;
  return g_date_time_new (utc ? utc_zone : default_tz, year, month, day, hour, minute,
                          gdouble (digits) / gdouble (divisor));
}

/* A date alone, which GLib's parser refuses for want of a time of day, is
 * midnight of that day: what the parser gives for the date followed by
 * T00:00:00. */
GDateTime *
iso8601_or_date (const char *text, GTimeZone *default_tz)
{
  int year, month, day;
  if (iso_date (text, &year, &month, &day) && text[10] == '\0')
    return default_tz ? g_date_time_new (default_tz, year, month, day, 0, 0, 0.0) : nullptr;
  return iso8601 (text, default_tz);
}

}  // namespace lm::parse

/* ---- ValueDateTime ------------------------------------------------------- */

struct TavrelModelDataValueDateTimePrivate {
  lm::DateTime itsvalue;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueDateTime, tavrel_model_data_value_date_time,
                            TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueDateTime, tavrel_model_data_value_date_time,
                   TavrelModelDataValueDateTimePrivate)

using DateTimePriv = TavrelModelDataValueDateTimePrivate;

/* The class operations are only ever called on instances of the class or a
 * subclass, so the casts need no check. */
static inline lm::DateTime &
datetime_field (gpointer self)
{
  return lm::priv (static_cast<TavrelModelDataValueDateTime *> (self))->itsvalue;
}

static inline GDateTime *
held (gpointer self)
{
  return datetime_field (self).get ();
}

/* Instantiates a date-time class and hands it the date-time (may be null). */
template <class T>
static T *
datetime_build (GType object_type, GDateTime *adopted)
{
  T *self = lm::value::instantiate<T> (object_type);
  datetime_field (self).take (adopted);
  return self;
}

static TavrelModelDataValueObject *
as_value (gpointer value)
{
  return static_cast<TavrelModelDataValueObject *> (value);
}

static constexpr lm::Property value_date_time_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
    lm::field<&DateTimePriv::itsvalue> (
        [] { return g_param_spec_boxed ("itsvalue", nullptr, nullptr, G_TYPE_DATE_TIME, lm::RW); },
        lm::Notify::EVERY_CALL),
};

static void
tavrel_model_data_value_date_time_class_init (TavrelModelDataValueDateTimeClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_date_time_finalize;
  /* A generic value carries the instant in local time, to the second: what
   * a date-time cell of a grid shows and edits. */
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    GDateTime *datetime = held (self);
    g_value_init (result, G_TYPE_DATE_TIME);
    if (datetime)
      g_value_take_boxed (result, lm::from_unix_local (g_date_time_to_unix (datetime)));
  };
  value_klass->to_string = [] (TavrelModelDataValueObject *self) { return render (held (self), "%Y-%m-%d %H:%M:%S"); };
  /* A copy holds the same date-time, zone included, so that it renders as
   * its source: a copied row must not look edited.  Without a date-time the
   * constructor refuses, with its own critical. */
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    GDateTime *datetime = held (self);
    if (!datetime)
      return as_value (tavrel_model_data_value_date_time_new_datetime (nullptr));
    return as_value (
        datetime_build<TavrelModelDataValueDateTime> (TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME, g_date_time_ref (datetime)));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "datetime"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_DATETIME; };
  lm::install_properties<value_date_time_properties> (G_OBJECT_CLASS (klass));
}

/* Written out per class: the condition text names the type macro. */
#define CHECK_DATE_TIME_TYPE() \
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME), NULL)
#define CHECK_DATE_TYPE() LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_DATE), NULL)
#define CHECK_TIME_TYPE() LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_TIME), NULL)
#define CHECK_TIME_SPAN_TYPE() \
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN), NULL)

extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_new (void) noexcept
{
  return tavrel_model_data_value_date_time_construct (TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME);
}

extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_construct (GType object_type) noexcept
{
  CHECK_DATE_TIME_TYPE ();
  return datetime_build<TavrelModelDataValueDateTime> (object_type, lm::now_local ());
}

extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_new_datetime (GDateTime *datetime) noexcept
{
  LM_RETURN_VAL_IF_FAIL (datetime != NULL, NULL);
  return tavrel_model_data_value_date_time_construct_datetime (TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME, datetime);
}

extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_construct_datetime (GType object_type, GDateTime *datetime) noexcept
{
  LM_RETURN_VAL_IF_FAIL (datetime != NULL, NULL);
  CHECK_DATE_TIME_TYPE ();
  return datetime_build<TavrelModelDataValueDateTime> (object_type, lm::to_local (datetime));
}

extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_new_iso8601 (const gchar *datetime) noexcept
{
  LM_RETURN_VAL_IF_FAIL (datetime != NULL, NULL);
  return tavrel_model_data_value_date_time_construct_iso8601 (TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME, datetime);
}

/* A timestamp text without a zone is taken as UTC; a date text (see
 * ValueDate) as local time. */
extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_construct_iso8601 (GType object_type, const gchar *datetime) noexcept
{
  LM_RETURN_VAL_IF_FAIL (datetime != NULL, NULL);
  CHECK_DATE_TIME_TYPE ();
  g_autoptr (GTimeZone) utc = g_time_zone_new_utc ();
  return datetime_build<TavrelModelDataValueDateTime> (object_type, parse_iso8601 (datetime, utc));
}

extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_new_utc (gint year, gint month, gint day, gint hour, gint minute,
                                           gint seconds) noexcept
{
  return tavrel_model_data_value_date_time_construct_utc (TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME, year, month, day,
                                                          hour, minute, seconds);
}

extern "C" TavrelModelDataValueDateTime *
tavrel_model_data_value_date_time_construct_utc (GType object_type, gint year, gint month, gint day, gint hour,
                                                 gint minute, gint seconds) noexcept
{
  CHECK_DATE_TIME_TYPE ();
  return datetime_build<TavrelModelDataValueDateTime> (object_type,
                                                       g_date_time_new_utc (year, month, day, hour, minute, seconds));
}

/* GLib walks the format as UTF-8; a broken text is refused here, under our
 * own name, rather than in GLib's. */
extern "C" gchar *
tavrel_model_data_value_date_time_format (TavrelModelDataValueDateTime *self, const gchar *format) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (format != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_DATE_TIME (self), NULL);
  LM_RETURN_VAL_IF_FAIL (g_utf8_validate (format, -1, NULL), NULL);
  return render (held (self), format);
}

#define SELF tavrel_model_data_value_date_time, TavrelModelDataValueDateTime, TAVREL_MODEL_DATA_IS_VALUE_DATE_TIME
LM_ACCESSORS (SELF, itsvalue, GDateTime *, NULL)
#undef SELF

/* ---- ValueDate ----------------------------------------------------------- */

G_DEFINE_TYPE (TavrelModelDataValueDate, tavrel_model_data_value_date, TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME)

static constexpr lm::Property value_date_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_date_class_init (TavrelModelDataValueDateClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  /* The calendar date as the held zone sees it. */
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    GDateTime *datetime = held (self);
    g_value_init (result, G_TYPE_DATE);
    if (!datetime)
      return;
    gint year, month, day;
    g_date_time_get_ymd (datetime, &year, &month, &day);
    g_value_take_boxed (result, g_date_new_dmy (GDateDay (day), GDateMonth (month), GDateYear (year)));
  };
  value_klass->to_string = [] (TavrelModelDataValueObject *self) { return render (held (self), "%Y-%m-%d"); };
  /* Unlike a date-time, a date without one copies to a date without one. */
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (datetime_build<TavrelModelDataValueDate> (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, shared (held (self))));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "date"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_DATE; };
  lm::install_properties<value_date_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_date_init (TavrelModelDataValueDate *)
{
}

extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_new (void) noexcept
{
  return tavrel_model_data_value_date_construct (TAVREL_MODEL_DATA_TYPE_VALUE_DATE);
}

extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_construct (GType object_type) noexcept
{
  CHECK_DATE_TYPE ();
  return datetime_build<TavrelModelDataValueDate> (object_type, lm::now_local ());
}

extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_new_dmy (gint year, gint month, gint day) noexcept
{
  return tavrel_model_data_value_date_construct_dmy (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, year, month, day);
}

extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_construct_dmy (GType object_type, gint year, gint month, gint day) noexcept
{
  CHECK_DATE_TYPE ();
  return datetime_build<TavrelModelDataValueDate> (object_type, lm::new_local (year, month, day, 0, 0, 0));
}

extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_new_date (const GDate *date) noexcept
{
  LM_RETURN_VAL_IF_FAIL (date != NULL, NULL);
  return tavrel_model_data_value_date_construct_date (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, date);
}

/* A cleared GDate names no day: like an impossible one in dmy, it gives a
 * value without a date-time (GLib would complain about reading it). */
extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_construct_date (GType object_type, const GDate *date) noexcept
{
  LM_RETURN_VAL_IF_FAIL (date != NULL, NULL);
  CHECK_DATE_TYPE ();
  GDateTime *midnight = nullptr;
  if (g_date_valid (date))
    midnight = lm::new_local (g_date_get_year (date), g_date_get_month (date), g_date_get_day (date), 0, 0, 0);
  return datetime_build<TavrelModelDataValueDate> (object_type, midnight);
}

extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_new_iso8601 (const gchar *date) noexcept
{
  LM_RETURN_VAL_IF_FAIL (date != NULL, NULL);
  return tavrel_model_data_value_date_construct_iso8601 (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, date);
}

/* A date without a zone is a day on the user's own calendar. */
extern "C" TavrelModelDataValueDate *
tavrel_model_data_value_date_construct_iso8601 (GType object_type, const gchar *date) noexcept
{
  LM_RETURN_VAL_IF_FAIL (date != NULL, NULL);
  CHECK_DATE_TYPE ();
  g_autoptr (GTimeZone) local = lm::local_zone ();
  return datetime_build<TavrelModelDataValueDate> (object_type, parse_iso8601 (date, local));
}

/* ---- ValueTime ----------------------------------------------------------- */

G_DEFINE_TYPE (TavrelModelDataValueTime, tavrel_model_data_value_time, TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME)

static constexpr lm::Property value_time_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_time_class_init (TavrelModelDataValueTimeClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->to_string = [] (TavrelModelDataValueObject *self) { return render (held (self), "%H:%M:%S"); };
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (datetime_build<TavrelModelDataValueTime> (TAVREL_MODEL_DATA_TYPE_VALUE_TIME, shared (held (self))));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "time"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_TIME; };
  lm::install_properties<value_time_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_time_init (TavrelModelDataValueTime *)
{
}

extern "C" TavrelModelDataValueTime *
tavrel_model_data_value_time_new (void) noexcept
{
  return tavrel_model_data_value_time_construct (TAVREL_MODEL_DATA_TYPE_VALUE_TIME);
}

extern "C" TavrelModelDataValueTime *
tavrel_model_data_value_time_construct (GType object_type) noexcept
{
  CHECK_TIME_TYPE ();
  return datetime_build<TavrelModelDataValueTime> (object_type, lm::now_local ());
}

extern "C" TavrelModelDataValueTime *
tavrel_model_data_value_time_new_hms (gint hour, gint minute, gdouble seconds) noexcept
{
  return tavrel_model_data_value_time_construct_hms (TAVREL_MODEL_DATA_TYPE_VALUE_TIME, hour, minute, seconds);
}

/* A time of day needs some day to live on; today's is the least surprising
 * when the value is converted to a full date-time.  An impossible time of
 * day leaves the value without a date-time. */
extern "C" TavrelModelDataValueTime *
tavrel_model_data_value_time_construct_hms (GType object_type, gint hour, gint minute, gdouble seconds) noexcept
{
  CHECK_TIME_TYPE ();
  return datetime_build<TavrelModelDataValueTime> (object_type, today_at (hour, minute, seconds));
}

extern "C" TavrelModelDataValueTime *
tavrel_model_data_value_time_new_time (GDateTime *datetime) noexcept
{
  LM_RETURN_VAL_IF_FAIL (datetime != NULL, NULL);
  return tavrel_model_data_value_time_construct_time (TAVREL_MODEL_DATA_TYPE_VALUE_TIME, datetime);
}

extern "C" TavrelModelDataValueTime *
tavrel_model_data_value_time_construct_time (GType object_type, GDateTime *datetime) noexcept
{
  LM_RETURN_VAL_IF_FAIL (datetime != NULL, NULL);
  CHECK_TIME_TYPE ();
  return datetime_build<TavrelModelDataValueTime> (object_type, g_date_time_to_utc (datetime));
}

/* ---- ValueTimeSpan ------------------------------------------------------- */

struct TavrelModelDataValueTimeSpanPrivate {
  /* Set beside the span by the interval constructors and kept, though
   * nothing reads it. */
  gint32 interval = 0;
  gint64 itsvalue = 0;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueTimeSpan, tavrel_model_data_value_time_span,
                            TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueTimeSpan, tavrel_model_data_value_time_span,
                   TavrelModelDataValueTimeSpanPrivate)

using TimeSpanPriv = TavrelModelDataValueTimeSpanPrivate;

static inline gint64
span_of (TavrelModelDataValueObject *self)
{
  return lm::priv (reinterpret_cast<TavrelModelDataValueTimeSpan *> (self))->itsvalue;
}

static constexpr lm::Property value_time_span_properties[] = {
    lm::value::name_property,
    lm::field<&TimeSpanPriv::itsvalue> (
        [] { return g_param_spec_int64 ("itsvalue", nullptr, nullptr, G_MININT64, G_MAXINT64, 0, lm::RW); },
        lm::Notify::EVERY_CALL),
    lm::value::data_type_property,
};

static TavrelModelDataValueTimeSpan *
time_span_build (GType object_type, gint32 interval, gint64 span)
{
  auto *self = lm::value::instantiate<TavrelModelDataValueTimeSpan> (object_type);
  TimeSpanPriv *p = lm::priv (self);
  p->interval = interval;
  p->itsvalue = span;
  return self;
}

static void
tavrel_model_data_value_time_span_class_init (TavrelModelDataValueTimeSpanClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_time_span_finalize;
  /* The span is the payload: it renders and converts as the number it is
   * (printf's integer conversions ignore the locale). */
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    g_value_init (result, G_TYPE_INT64);
    g_value_set_int64 (result, span_of (self));
  };
  value_klass->to_string = [] (TavrelModelDataValueObject *self) {
    return g_strdup_printf ("%" G_GINT64_FORMAT, span_of (self));
  };
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (time_span_build (TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN, 0, span_of (self)));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "timespan"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN; };
  lm::install_properties<value_time_span_properties> (G_OBJECT_CLASS (klass));
}

extern "C" TavrelModelDataValueTimeSpan *
tavrel_model_data_value_time_span_new (gint64 span) noexcept
{
  return tavrel_model_data_value_time_span_construct (TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN, span);
}

extern "C" TavrelModelDataValueTimeSpan *
tavrel_model_data_value_time_span_construct (GType object_type, gint64 span) noexcept
{
  CHECK_TIME_SPAN_TYPE ();
  return time_span_build (object_type, 0, span);
}

extern "C" TavrelModelDataValueTimeSpan *
tavrel_model_data_value_time_span_new_interval (gint32 interval, gint64 span) noexcept
{
  return tavrel_model_data_value_time_span_construct_interval (TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN, interval,
                                                               span);
}

extern "C" TavrelModelDataValueTimeSpan *
tavrel_model_data_value_time_span_construct_interval (GType object_type, gint32 interval, gint64 span) noexcept
{
  CHECK_TIME_SPAN_TYPE ();
  return time_span_build (object_type, interval, span);
}

#undef CHECK_DATE_TIME_TYPE
#undef CHECK_DATE_TYPE
#undef CHECK_TIME_TYPE
#undef CHECK_TIME_SPAN_TYPE

#define SELF tavrel_model_data_value_time_span, TavrelModelDataValueTimeSpan, TAVREL_MODEL_DATA_IS_VALUE_TIME_SPAN
LM_ACCESSORS (SELF, itsvalue, gint64, 0)
#undef SELF
