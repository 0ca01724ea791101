/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tests/support.h"

#include <time.h>

namespace lmtest {

void
Test::SetUp ()
{
  /* Criticals must come back to the test, never abort it. */
  g_log_set_always_fatal (GLogLevelFlags (G_LOG_FATAL_MASK & ~G_LOG_LEVEL_CRITICAL));
  previous_handler_ = g_log_set_default_handler (handler, this);
}

void
Test::TearDown ()
{
  g_log_set_default_handler (previous_handler_, previous_data_);
  for (const LogRecord &record : log_)
    if (record.level & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING))
      ADD_FAILURE () << "unexpected " << ((record.level & G_LOG_LEVEL_CRITICAL) ? "critical" : "warning")
                     << " [" << record.domain << "]: " << record.message;
  log_.clear ();
}

void
Test::handler (const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer data)
{
  auto *self = static_cast<Test *> (data);
  if (level & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING | G_LOG_LEVEL_ERROR))
    self->log_.push_back ({level, domain ? domain : "", message ? message : ""});
  else if (self->previous_handler_)
    self->previous_handler_ (domain, level, message, self->previous_data_);
}

void
Test::expect_critical (const std::string &message)
{
  for (auto it = log_.begin (); it != log_.end (); ++it) {
    if ((it->level & G_LOG_LEVEL_CRITICAL) && it->message == message) {
      /* The library logs in GLib's default domain, never one of its own. */
      EXPECT_EQ ("", it->domain) << "for critical " << message;
      log_.erase (it);
      return;
    }
  }
  std::string seen;
  for (const LogRecord &record : log_)
    seen += "\n  [" + record.domain + "] " + record.message;
  ADD_FAILURE () << "expected critical: " << message << "\ncaptured:" << (seen.empty () ? " nothing" : seen);
}

std::vector<LogRecord>
Test::take_log ()
{
  std::vector<LogRecord> out;
  out.swap (log_);
  return out;
}

size_t
Test::pending () const
{
  return log_.size ();
}

Watch::Watch (gpointer object) : object_ (object)
{
  g_object_add_weak_pointer (G_OBJECT (object), &object_);
}

Watch::~Watch ()
{
  if (object_)
    g_object_remove_weak_pointer (G_OBJECT (object_), &object_);
}

NotifyCounter::NotifyCounter (gpointer object, const char *property) : object_ (object)
{
  std::string signal = std::string ("notify::") + property;
  handler_ = g_signal_connect (object, signal.c_str (), G_CALLBACK (on_notify), this);
}

NotifyCounter::~NotifyCounter ()
{
  g_signal_handler_disconnect (object_, handler_);
}

void
NotifyCounter::on_notify (GObject *, GParamSpec *, gpointer data)
{
  static_cast<NotifyCounter *> (data)->count_++;
}

std::string
take_string (gchar *text)
{
  std::string out = text ? text : "<null>";
  g_free (text);
  return out;
}

std::string
critical_text (const char *function, const char *condition)
{
  return std::string (function) + ": assertion '" + condition + "' failed";
}

std::string
render (gpointer value)
{
  return take_string (tavrel_model_data_value_object_to_string (as_value (value)));
}

std::vector<std::string>
own_properties (gpointer object, GType owner)
{
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
  std::vector<std::string> own;
  for (guint i = 0; i < n; i++)
    if (pspecs[i]->owner_type == owner)
      own.push_back (pspecs[i]->name);
  return own;
}

Values::~Values ()
{
  for (gpointer value : values_)
    g_clear_object (&value);
}

TavrelModelDataRowModel *
row_of (std::initializer_list<int> codes)
{
  TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  for (int code : codes) {
    g_autoptr (TavrelModelDataValueError) value = tavrel_model_data_value_error_new (code, "e");
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), value);
  }
  return row;
}

SavedZone::SavedZone ()
{
  const char *zone = g_getenv ("TZ");
  had_zone_ = zone != nullptr;
  saved_zone_ = zone ? zone : "";
}

SavedZone::~SavedZone ()
{
  if (had_zone_)
    g_setenv ("TZ", saved_zone_.c_str (), TRUE);
  else
    g_unsetenv ("TZ");
  tzset ();
}

void
use_zone (const char *zone, gint january_offset)
{
  g_setenv ("TZ", zone, TRUE);
  tzset ();
  g_autoptr (GDateTime) probe = g_date_time_new_local (2024, 1, 15, 12, 0, 0);
  ASSERT_EQ (gint64 (january_offset) * G_TIME_SPAN_SECOND, g_date_time_get_utc_offset (probe)) << zone;
}

}  // namespace lmtest
