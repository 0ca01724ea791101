/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Date-time, date, time and time-span values. */

#include <stdlib.h>

#include <cmath>

#include "tests/support.h"

using lmtest::clone;
using lmtest::NotifyCounter;
using lmtest::render;
using lmtest::take_string;
using lmtest::use_zone;
using lmtest::Values;
using lmtest::Watch;

namespace {

/* Every test runs in a zone it names, never the machine's own: UTC until
 * it names another. */
class DateTimes : public lmtest::Test {
 protected:
  void SetUp () override
  {
    lmtest::Test::SetUp ();
    use_zone ("UTC");
  }

  static void use_berlin () { use_zone ("Europe/Berlin", 3600); }
  static void use_new_york () { use_zone ("America/New_York", -5 * 3600); }

  static GDateTime *held (gpointer value)
  {
    return tavrel_model_data_value_date_time_get_itsvalue (TAVREL_MODEL_DATA_VALUE_DATE_TIME (value));
  }

  /* Offset from UTC of the held date-time, in seconds. */
  static gint64 offset (gpointer value) { return g_date_time_get_utc_offset (held (value)) / G_TIME_SPAN_SECOND; }

 private:
  lmtest::SavedZone zone_;
};

}  // namespace

TEST_F (DateTimes, IsoTextsKeepTheirZone)
{
  use_berlin ();
  g_autoptr (TavrelModelDataValueDateTime) utc = tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05T14:07:09Z");
  g_autoptr (TavrelModelDataValueDateTime) east =
      tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05T14:07:09+02:00");
  g_autoptr (TavrelModelDataValueDateTime) plain = tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05T14:07:09");
  EXPECT_EQ ("2024-03-05 14:07:09", render (utc));
  EXPECT_EQ ("2024-03-05 14:07:09", render (east));
  EXPECT_EQ ("2024-03-05 14:07:09", render (plain));
  EXPECT_EQ (0, offset (utc));
  EXPECT_EQ (7200, offset (east));
  EXPECT_EQ (0, offset (plain)) << "a timestamp without a zone is UTC";

  /* A date without a zone is local; one with a zone keeps it, so a day
   * that is already the next in local time still reads as its own. */
  g_autoptr (TavrelModelDataValueDate) local = tavrel_model_data_value_date_new_iso8601 ("2024-03-05T14:07:09");
  g_autoptr (TavrelModelDataValueDate) west = tavrel_model_data_value_date_new_iso8601 ("2024-03-05T23:30:00-05:00");
  EXPECT_EQ (3600, offset (local));
  EXPECT_EQ ("2024-03-05", render (local));
  EXPECT_EQ ("2024-03-05", render (west));
  EXPECT_EQ (-18000, offset (west));
}

/* Date columns arrive as a calendar date alone; read as the epoch, every
 * such cell would be lost. */
TEST_F (DateTimes, ACalendarDateAloneIsMidnightOfThatDay)
{
  use_berlin ();
  g_autoptr (TavrelModelDataValueDate) date = tavrel_model_data_value_date_new_iso8601 ("2024-03-05");
  EXPECT_EQ ("2024-03-05", render (date));
  EXPECT_EQ (0, g_date_time_get_hour (held (date)));
  EXPECT_EQ (3600, offset (date)) << "a date without a zone is local";
  g_autoptr (TavrelModelDataValueDateTime) datetime = tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05");
  EXPECT_EQ ("2024-03-05 00:00:00", render (datetime));
  EXPECT_EQ (0, offset (datetime)) << "a timestamp without a zone is UTC";

  /* Still dates only: an impossible day or another shape is unreadable. */
  for (const char *bad : {"2024-02-30", "2024-3-05", "2024-03-05x", "24-03-05"}) {
    g_autoptr (TavrelModelDataValueDate) value = tavrel_model_data_value_date_new_iso8601 (bad);
    EXPECT_EQ (0, g_date_time_to_unix (held (value))) << bad;
  }
}

TEST_F (DateTimes, UnreadableIsoTextsGiveTheEpochInLocalTime)
{
  g_autoptr (TavrelModelDataValueDateTime) in_utc = tavrel_model_data_value_date_time_new_iso8601 ("yesterday");
  EXPECT_EQ ("1970-01-01 00:00:00", render (in_utc));

  use_new_york ();
  for (const char *bad : {"yesterday", "", "2024-02-30T00:00:00Z", "2024-03-05 14:07"}) {
    g_autoptr (TavrelModelDataValueDateTime) value = tavrel_model_data_value_date_time_new_iso8601 (bad);
    EXPECT_EQ ("1969-12-31 19:00:00", render (value)) << bad;
    EXPECT_EQ (0, g_date_time_to_unix (held (value)));
    EXPECT_EQ (-18000, offset (value));
  }
  g_autoptr (TavrelModelDataValueDate) date = tavrel_model_data_value_date_new_iso8601 ("31/12/2024");
  EXPECT_EQ ("1969-12-31", render (date));
}

TEST_F (DateTimes, ImpossibleDatesAndTimesLeaveNoDateTime)
{
  g_autoptr (TavrelModelDataValueDate) leap = tavrel_model_data_value_date_new_dmy (2024, 2, 29);
  EXPECT_EQ ("2024-02-29", render (leap));
  EXPECT_EQ (0, g_date_time_get_hour (held (leap)));

  g_autoptr (TavrelModelDataValueDate) not_leap = tavrel_model_data_value_date_new_dmy (2023, 2, 29);
  EXPECT_EQ (nullptr, held (not_leap));
  EXPECT_EQ ("(NULL)", render (not_leap));
  EXPECT_EQ ("TavrelModelDataValueDate => (NULL)",
             take_string (tavrel_model_data_value_object_dump (TAVREL_MODEL_DATA_VALUE_OBJECT (not_leap))));
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (TAVREL_MODEL_DATA_VALUE_OBJECT (not_leap)));
  EXPECT_EQ ("(NULL)", take_string (tavrel_model_data_value_date_time_format (
                           TAVREL_MODEL_DATA_VALUE_DATE_TIME (not_leap), "%Y")));

  Values impossible = {
      tavrel_model_data_value_date_new_dmy (2024, 0, 1),
      tavrel_model_data_value_date_new_dmy (10000, 1, 1),
      tavrel_model_data_value_date_time_new_utc (2023, 2, 29, 12, 0, 0),
      tavrel_model_data_value_date_time_new_utc (2024, 3, 5, 24, 0, 0),
      tavrel_model_data_value_date_time_new_utc (2024, 3, 5, 0, 0, 60),
      tavrel_model_data_value_time_new_hms (25, 0, 0),
      tavrel_model_data_value_time_new_hms (7, 5, NAN),
  };
  for (size_t i = 0; i < impossible.size (); i++) {
    EXPECT_EQ (nullptr, held (impossible[i])) << i;
    EXPECT_EQ ("(NULL)", render (impossible[i])) << i;
  }

  /* Without a date-time, conversion gives an empty value of the right type. */
  g_auto (GValue) as_datetime = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (impossible[2], &as_datetime);
  EXPECT_TRUE (G_VALUE_HOLDS (&as_datetime, G_TYPE_DATE_TIME));
  EXPECT_EQ (nullptr, g_value_get_boxed (&as_datetime));
  g_auto (GValue) as_date = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (impossible[0], &as_date);
  EXPECT_TRUE (G_VALUE_HOLDS (&as_date, G_TYPE_DATE));
  EXPECT_EQ (nullptr, g_value_get_boxed (&as_date));
}

TEST_F (DateTimes, EachConstructorGivesItsZone)
{
  use_new_york ();
  g_autoptr (GTimeZone) berlin = g_time_zone_new_identifier ("Europe/Berlin");
  ASSERT_NE (nullptr, berlin);
  g_autoptr (GDateTime) in_berlin = g_date_time_new (berlin, 2024, 1, 10, 15, 0, 0);

  g_autoptr (TavrelModelDataValueDateTime) now = tavrel_model_data_value_date_time_new ();
  g_autoptr (GDateTime) reference = g_date_time_new_now_local ();
  EXPECT_LE (std::abs (g_date_time_difference (reference, held (now))), 60 * G_TIME_SPAN_SECOND);
  EXPECT_EQ (g_date_time_get_utc_offset (reference), g_date_time_get_utc_offset (held (now)));

  g_autoptr (TavrelModelDataValueDateTime) converted = tavrel_model_data_value_date_time_new_datetime (in_berlin);
  EXPECT_EQ ("2024-01-10 09:00:00", render (converted));
  EXPECT_EQ (-18000, offset (converted));

  g_autoptr (TavrelModelDataValueDateTime) utc = tavrel_model_data_value_date_time_new_utc (2024, 1, 10, 14, 0, 0);
  EXPECT_EQ ("2024-01-10 14:00:00", render (utc));
  EXPECT_EQ (0, offset (utc));

  /* A time of day from a date-time is kept in UTC. */
  g_autoptr (TavrelModelDataValueTime) time = tavrel_model_data_value_time_new_time (in_berlin);
  EXPECT_EQ ("14:00:00", render (time));
  EXPECT_EQ (0, offset (time));

  /* hms: today's local date at that time of day, fraction kept. */
  g_autoptr (TavrelModelDataValueTime) hms = tavrel_model_data_value_time_new_hms (7, 5, 3.5);
  EXPECT_EQ ("07:05:03", render (hms));
  EXPECT_DOUBLE_EQ (3.5, g_date_time_get_seconds (held (hms)));
  g_autoptr (GDateTime) today = g_date_time_new_now_local ();
  EXPECT_EQ (g_date_time_get_day_of_year (today), g_date_time_get_day_of_year (held (hms)));
  EXPECT_EQ (g_date_time_get_year (today), g_date_time_get_year (held (hms)));

  g_autoptr (GDate) day = g_date_new_dmy (5, G_DATE_MARCH, 2024);
  g_autoptr (TavrelModelDataValueDate) date = tavrel_model_data_value_date_new_date (day);
  EXPECT_EQ ("2024-03-05", render (date));
  EXPECT_EQ ("2024-03-05 00:00:00 -0500",
             take_string (tavrel_model_data_value_date_time_format (TAVREL_MODEL_DATA_VALUE_DATE_TIME (date),
                                                                    "%Y-%m-%d %H:%M:%S %z")));
  /* A cleared GDate names no day. */
  GDate cleared;
  g_date_clear (&cleared, 1);
  g_autoptr (TavrelModelDataValueDate) undated = tavrel_model_data_value_date_new_date (&cleared);
  EXPECT_EQ ("(NULL)", render (undated));

  /* construct serves subclasses: a date built by the date-time constructor. */
  g_autoptr (TavrelModelDataValueDateTime) as_date =
      tavrel_model_data_value_date_time_construct_utc (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, 2024, 3, 5, 14, 0, 0);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, G_OBJECT_TYPE (as_date));
  EXPECT_EQ ("2024-03-05", render (as_date));
}

TEST_F (DateTimes, ConversionToGenericValues)
{
  use_new_york ();
  g_autoptr (TavrelModelDataValueDateTime) value =
      tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05T14:07:09.75+02:00");
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (TAVREL_MODEL_DATA_VALUE_OBJECT (value), &out);
  ASSERT_TRUE (G_VALUE_HOLDS (&out, G_TYPE_DATE_TIME));
  auto *converted = static_cast<GDateTime *> (g_value_get_boxed (&out));
  EXPECT_EQ (g_date_time_to_unix (held (value)), g_date_time_to_unix (converted));
  EXPECT_EQ (0, g_date_time_get_microsecond (converted)) << "whole seconds only";
  EXPECT_EQ (-18000 * G_TIME_SPAN_SECOND, g_date_time_get_utc_offset (converted));

  /* A time converts as a date-time. */
  g_autoptr (TavrelModelDataValueTime) time = tavrel_model_data_value_time_new_hms (7, 5, 3.5);
  g_auto (GValue) time_out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (TAVREL_MODEL_DATA_VALUE_OBJECT (time), &time_out);
  EXPECT_TRUE (G_VALUE_HOLDS (&time_out, G_TYPE_DATE_TIME));

  /* A date reads its day in the zone it holds, not in local time. */
  g_autoptr (TavrelModelDataValueDate) date = tavrel_model_data_value_date_new_iso8601 ("2024-03-05T23:30:00-08:00");
  g_auto (GValue) date_out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (TAVREL_MODEL_DATA_VALUE_OBJECT (date), &date_out);
  ASSERT_TRUE (G_VALUE_HOLDS (&date_out, G_TYPE_DATE));
  auto *day = static_cast<GDate *> (g_value_get_boxed (&date_out));
  EXPECT_EQ (2024, g_date_get_year (day));
  EXPECT_EQ (G_DATE_MARCH, g_date_get_month (day));
  EXPECT_EQ (5, g_date_get_day (day));
}

/* A copy renders as its source in every zone: a row copied for editing
 * must not differ from the row as read. */
TEST_F (DateTimes, ClonesRenderAsTheirSource)
{
  use_berlin ();
  g_autoptr (TavrelModelDataValueDateTime) value = tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05T14:07:09Z");
  g_autoptr (TavrelModelDataValueObject) copy = clone (value);
  ASSERT_NE (nullptr, copy);
  EXPECT_NE (TAVREL_MODEL_DATA_VALUE_OBJECT (value), copy);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME, G_OBJECT_TYPE (copy));
  EXPECT_EQ (g_date_time_to_unix (held (value)), g_date_time_to_unix (held (copy)));
  EXPECT_EQ (0, offset (copy));
  EXPECT_EQ ("2024-03-05 14:07:09", render (copy));

  g_autoptr (GDateTime) noon_utc = g_date_time_new_utc (2024, 3, 5, 12, 0, 0);
  g_autoptr (TavrelModelDataValueTime) time = tavrel_model_data_value_time_new_time (noon_utc);
  g_autoptr (TavrelModelDataValueObject) time_copy = clone (time);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_TIME, G_OBJECT_TYPE (time_copy));
  EXPECT_EQ (render (time), render (time_copy));
  EXPECT_EQ ("12:00:00", render (time_copy));
  g_autoptr (TavrelModelDataValueDate) date = tavrel_model_data_value_date_new_dmy (2024, 3, 5);
  g_autoptr (TavrelModelDataValueObject) date_copy = clone (date);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, G_OBJECT_TYPE (date_copy));
  EXPECT_EQ ("2024-03-05", render (date_copy));

  /* A day read in UTC stays that day when copied west of Greenwich. */
  use_new_york ();
  g_autoptr (TavrelModelDataValueDate) utc_day = tavrel_model_data_value_date_new_iso8601 ("2024-03-05T00:00:00Z");
  g_autoptr (TavrelModelDataValueObject) utc_day_copy = clone (utc_day);
  EXPECT_EQ ("2024-03-05", render (utc_day));
  EXPECT_EQ ("2024-03-05", render (utc_day_copy));

  /* Without a date-time: a date-time refuses to be copied, a date or a
   * time copies to one without a date-time as well. */
  tavrel_model_data_value_date_time_set_itsvalue (value, nullptr);
  EXPECT_EQ (nullptr, clone (value));
  expect_critical ("tavrel_model_data_value_date_time_new_datetime: assertion 'datetime != NULL' failed");
  for (gpointer undated : {(gpointer) date, (gpointer) time}) {
    tavrel_model_data_value_date_time_set_itsvalue (TAVREL_MODEL_DATA_VALUE_DATE_TIME (undated), nullptr);
    g_autoptr (TavrelModelDataValueObject) undated_copy = clone (undated);
    ASSERT_NE (nullptr, undated_copy);
    EXPECT_EQ (G_OBJECT_TYPE (undated), G_OBJECT_TYPE (undated_copy));
    EXPECT_EQ (nullptr, held (undated_copy));
  }

  /* A span copies its span, not the field beside it. */
  g_autoptr (TavrelModelDataValueTimeSpan) span = tavrel_model_data_value_time_span_new_interval (7, -90);
  g_autoptr (TavrelModelDataValueObject) span_copy = clone (span);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN, G_OBJECT_TYPE (span_copy));
  EXPECT_EQ (-90, tavrel_model_data_value_time_span_get_itsvalue (TAVREL_MODEL_DATA_VALUE_TIME_SPAN (span_copy)));
}

TEST_F (DateTimes, SettingTheValueNotifiesEveryCall)
{
  g_autoptr (TavrelModelDataValueDate) date = tavrel_model_data_value_date_new_dmy (2024, 3, 5);
  auto *self = TAVREL_MODEL_DATA_VALUE_DATE_TIME (date);
  NotifyCounter notified (date, "itsvalue");
  g_autoptr (GTimeZone) tokyo = g_time_zone_new_identifier ("Asia/Tokyo");
  GDateTime *given = g_date_time_new (tokyo, 2024, 3, 6, 0, 30, 0);
  tavrel_model_data_value_date_time_set_itsvalue (self, given);
  tavrel_model_data_value_date_time_set_itsvalue (self, given);
  EXPECT_EQ (2, notified.count ());
  /* The date-time itself is stored, zone and all, and the value keeps its
   * own reference. */
  g_date_time_unref (given);
  EXPECT_EQ (given, held (date));
  EXPECT_EQ ("2024-03-06", render (date));

  tavrel_model_data_value_date_time_set_itsvalue (self, nullptr);
  EXPECT_EQ ("(NULL)", render (date));
  g_autoptr (GDateTime) later = g_date_time_new_utc (2025, 1, 1, 0, 0, 0);
  g_object_set (date, "itsvalue", later, nullptr);
  EXPECT_EQ (4, notified.count ());
  g_autoptr (GDateTime) read = nullptr;
  g_object_get (date, "itsvalue", &read, nullptr);
  EXPECT_EQ (later, read);

  g_autoptr (TavrelModelDataValueTimeSpan) span = tavrel_model_data_value_time_span_new (5);
  NotifyCounter span_notified (span, "itsvalue");
  tavrel_model_data_value_time_span_set_itsvalue (span, 5);
  tavrel_model_data_value_time_span_set_itsvalue (span, 5);
  g_object_set (span, "itsvalue", gint64 (6), nullptr);
  EXPECT_EQ (3, span_notified.count ());
  EXPECT_EQ (6, tavrel_model_data_value_time_span_get_itsvalue (span));
}

TEST_F (DateTimes, SubclassesAnswerTheirOwnNameAndKind)
{
  Values values = {
      tavrel_model_data_value_date_time_new (),
      tavrel_model_data_value_date_new (),
      tavrel_model_data_value_time_new (),
      tavrel_model_data_value_time_span_new (0),
  };
  const char *names[] = {"datetime", "date", "time", "timespan"};
  TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, TAVREL_MODEL_DATA_DATA_TYPE_DATE,
                                     TAVREL_MODEL_DATA_DATA_TYPE_TIME, TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN};
  for (int i = 0; i < 4; i++) {
    g_autofree gchar *name = nullptr;
    TavrelModelDataDataType kind = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
    g_object_get (values[i], "name", &name, "data-type", &kind, nullptr);
    EXPECT_STREQ (names[i], name);
    EXPECT_EQ (kinds[i], kind);
    EXPECT_EQ (kinds[i], tavrel_model_data_ivalue_get_data_type (TAVREL_MODEL_DATA_IVALUE (values[i])));
    if (i < 3) {
      EXPECT_NE (nullptr, held (values[i])) << "the plain constructors hold the current time";
    }
  }
}

TEST_F (DateTimes, TimeSpansRenderTheirSpan)
{
  g_autoptr (TavrelModelDataValueTimeSpan) hour = tavrel_model_data_value_time_span_new (3600);
  auto *value = TAVREL_MODEL_DATA_VALUE_OBJECT (hour);
  EXPECT_EQ ("3600", render (hour));
  EXPECT_EQ ("TavrelModelDataValueTimeSpan => 3600", take_string (tavrel_model_data_value_object_dump (value)));
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (value, &out);
  ASSERT_TRUE (G_VALUE_HOLDS_INT64 (&out));
  EXPECT_EQ (3600, g_value_get_int64 (&out));

  g_autoptr (TavrelModelDataValueTimeSpan) lowest = tavrel_model_data_value_time_span_new (G_MININT64);
  g_autoptr (TavrelModelDataValueTimeSpan) highest = tavrel_model_data_value_time_span_new_interval (-1, G_MAXINT64);
  EXPECT_EQ ("-9223372036854775808", render (lowest));
  EXPECT_EQ ("9223372036854775807", render (highest));
  gint64 read = 0;
  g_object_get (highest, "itsvalue", &read, nullptr);
  EXPECT_EQ (G_MAXINT64, read);
}

TEST_F (DateTimes, CustomFormats)
{
  g_autoptr (TavrelModelDataValueDateTime) value = tavrel_model_data_value_date_time_new_utc (2024, 3, 5, 14, 7, 9);
  EXPECT_EQ ("05.03.2024 14:07", take_string (tavrel_model_data_value_date_time_format (value, "%d.%m.%Y %H:%M")));
  /* GLib's answer to a conversion it does not know. */
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_format (value, "%Q"));

  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_format (value, nullptr));
  expect_critical ("tavrel_model_data_value_date_time_format: assertion 'format != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_format (value, "%Y \xff"));
  expect_critical ("tavrel_model_data_value_date_time_format: assertion 'g_utf8_validate (format, -1, NULL)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_format (nullptr, "%Y"));
  expect_critical ("tavrel_model_data_value_date_time_format: assertion 'self != NULL' failed");
}

TEST_F (DateTimes, BadArgumentsAreReportedByName)
{
  const GType date_time = TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME;
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_new_datetime (nullptr));
  expect_critical ("tavrel_model_data_value_date_time_new_datetime: assertion 'datetime != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_construct_datetime (date_time, nullptr));
  expect_critical ("tavrel_model_data_value_date_time_construct_datetime: assertion 'datetime != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_new_iso8601 (nullptr));
  expect_critical ("tavrel_model_data_value_date_time_new_iso8601: assertion 'datetime != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_construct_iso8601 (date_time, nullptr));
  expect_critical ("tavrel_model_data_value_date_time_construct_iso8601: assertion 'datetime != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_new_date (nullptr));
  expect_critical ("tavrel_model_data_value_date_new_date: assertion 'date != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_construct_date (TAVREL_MODEL_DATA_TYPE_VALUE_DATE, nullptr));
  expect_critical ("tavrel_model_data_value_date_construct_date: assertion 'date != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_new_iso8601 (nullptr));
  expect_critical ("tavrel_model_data_value_date_new_iso8601: assertion 'date != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_time_new_time (nullptr));
  expect_critical ("tavrel_model_data_value_time_new_time: assertion 'datetime != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_time_construct_time (TAVREL_MODEL_DATA_TYPE_VALUE_TIME, nullptr));
  expect_critical ("tavrel_model_data_value_time_construct_time: assertion 'datetime != NULL' failed");

  /* Types outside each class. */
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_construct (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT));
  expect_critical ("tavrel_model_data_value_date_time_construct: assertion 'g_type_is_a (object_type, "
                   "TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_construct_dmy (TAVREL_MODEL_DATA_TYPE_VALUE_TIME, 2024, 1, 1));
  expect_critical ("tavrel_model_data_value_date_construct_dmy: assertion 'g_type_is_a (object_type, "
                   "TAVREL_MODEL_DATA_TYPE_VALUE_DATE)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_time_span_construct (date_time, 1));
  expect_critical ("tavrel_model_data_value_time_span_construct: assertion 'g_type_is_a (object_type, "
                   "TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN)' failed");

  /* Accessors: a null or foreign object has no effect. */
  g_autoptr (TavrelModelDataValueTimeSpan) span = tavrel_model_data_value_time_span_new (1);
  EXPECT_EQ (nullptr, tavrel_model_data_value_date_time_get_itsvalue (nullptr));
  expect_critical ("tavrel_model_data_value_date_time_get_itsvalue: assertion 'self != NULL' failed");
  tavrel_model_data_value_date_time_set_itsvalue ((TavrelModelDataValueDateTime *) span, nullptr);
  expect_critical (
      "tavrel_model_data_value_date_time_set_itsvalue: assertion 'TAVREL_MODEL_DATA_IS_VALUE_DATE_TIME (self)' failed");
  EXPECT_EQ (0, tavrel_model_data_value_time_span_get_itsvalue (nullptr));
  expect_critical ("tavrel_model_data_value_time_span_get_itsvalue: assertion 'self != NULL' failed");
  tavrel_model_data_value_time_span_set_itsvalue (nullptr, 2);
  expect_critical ("tavrel_model_data_value_time_span_set_itsvalue: assertion 'self != NULL' failed");
  EXPECT_EQ (1, tavrel_model_data_value_time_span_get_itsvalue (span));
}

TEST_F (DateTimes, ReleasingTheLastReferenceFinalizes)
{
  TavrelModelDataValueDateTime *value = tavrel_model_data_value_date_time_new_utc (2024, 3, 5, 14, 7, 9);
  TavrelModelDataValueObject *copy = clone (value);
  TavrelModelDataValueDate *date = tavrel_model_data_value_date_new ();
  TavrelModelDataValueTimeSpan *span = tavrel_model_data_value_time_span_new (1);
  Watch value_watch (value), copy_watch (copy), date_watch (date), span_watch (span);
  g_object_unref (value);
  EXPECT_TRUE (value_watch.finalized ());
  EXPECT_FALSE (copy_watch.finalized ());
  g_object_unref (copy);
  g_object_unref (date);
  g_object_unref (span);
  EXPECT_TRUE (copy_watch.finalized ());
  EXPECT_TRUE (date_watch.finalized ());
  EXPECT_TRUE (span_watch.finalized ());
}
