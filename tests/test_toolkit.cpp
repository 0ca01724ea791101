/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The internal toolkit every class is built on: property tables with their
 * notification rules, stamped accessors and their argument checks, private
 * state lifetimes.  A probe class exercises the rules no library class of
 * its own uses yet.
 */

#include "Support/gee.h"
#include "Support/property.h"
#include "Support/timezone.h"
#include "tests/support.h"

using lmtest::NotifyCounter;
using lmtest::Watch;

extern "C" {
struct LmProbe {
  GObject parent_instance;
};
struct LmProbeClass {
  GObjectClass parent_class;
};
}

struct LmProbePrivate {
  lm::String label;
  lm::String payload;
  gint16 narrow = 0;
  lm::Ref<GObject> model;
  lm::Ref<GObject> list;
  lm::Bytes bytes;
  static inline int alive = 0;
  LmProbePrivate () { alive++; }
  ~LmProbePrivate () { alive--; }
};

G_DEFINE_TYPE_WITH_PRIVATE (LmProbe, lm_probe, G_TYPE_OBJECT)
LM_DEFINE_PRIVATE (LmProbe, lm_probe, LmProbePrivate)

static inline gboolean
LM_IS_PROBE (gpointer object)
{
  return G_TYPE_CHECK_INSTANCE_TYPE (object, lm_probe_get_type ());
}

using P = LmProbePrivate;

static constexpr lm::Property probe_properties[] = {
    lm::field<&P::label> ([] { return g_param_spec_string ("label", nullptr, nullptr, nullptr, lm::RW); }),
    lm::field<&P::payload> ([] { return g_param_spec_string ("payload", nullptr, nullptr, nullptr, lm::RW); },
                            lm::Notify::EVERY_CALL),
    lm::field<&P::narrow> (
        [] { return g_param_spec_int ("narrow", nullptr, nullptr, G_MININT, G_MAXINT, 0, lm::RW); }),
    lm::field<&P::model> ([] { return g_param_spec_object ("model", nullptr, nullptr, G_TYPE_OBJECT, lm::RW); },
                          lm::Notify::SAME_OBJECT),
    lm::field<&P::list> ([] { return g_param_spec_object ("list", nullptr, nullptr, G_TYPE_OBJECT, lm::RW); },
                         lm::Notify::EVERY_CALL),
    lm::field<&P::bytes> ([] { return g_param_spec_boxed ("bytes", nullptr, nullptr, G_TYPE_BYTES, lm::RW); }),
};

static void
lm_probe_class_init (LmProbeClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = lm_probe_finalize;
  lm::install_properties<probe_properties> (G_OBJECT_CLASS (klass));
}

#define SELF lm_probe, LmProbe, LM_IS_PROBE
LM_ACCESSORS (SELF, label, const gchar *, NULL)
LM_ACCESSORS (SELF, payload, const gchar *, NULL)
LM_ACCESSORS (SELF, narrow, gint16, 0)
LM_ACCESSORS (SELF, model, GObject *, NULL)
LM_ACCESSORS (SELF, list, GObject *, NULL)
#undef SELF

namespace {

class Toolkit : public lmtest::Test {
 protected:
  void SetUp () override
  {
    lmtest::Test::SetUp ();
    probe = static_cast<LmProbe *> (g_object_new (lm_probe_get_type (), nullptr));
  }
  void TearDown () override
  {
    g_clear_object (&probe);
    lmtest::Test::TearDown ();
  }
  LmProbe *probe = nullptr;
};

}  // namespace

TEST_F (Toolkit, PropertyIdsFollowTheTableOrder)
{
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (probe), &n);
  ASSERT_EQ (G_N_ELEMENTS (probe_properties), n);
  const char *expected[] = {"label", "payload", "narrow", "model", "list", "bytes"};
  for (guint i = 0; i < n; i++) {
    EXPECT_STREQ (expected[i], pspecs[i]->name);
    EXPECT_EQ (i + 1, pspecs[i]->param_id);
    EXPECT_TRUE (pspecs[i]->flags & G_PARAM_EXPLICIT_NOTIFY) << pspecs[i]->name;
    EXPECT_TRUE ((pspecs[i]->flags & G_PARAM_STATIC_STRINGS) == G_PARAM_STATIC_STRINGS) << pspecs[i]->name;
  }
}

TEST_F (Toolkit, OnChangeNotifiesOnlyWhenTheTextDiffers)
{
  NotifyCounter label (probe, "label");
  lm_probe_set_label (probe, nullptr);
  EXPECT_EQ (0, label.count ());
  lm_probe_set_label (probe, "a");
  lm_probe_set_label (probe, "a");
  g_object_set (probe, "label", "a", nullptr);
  EXPECT_EQ (1, label.count ());
  g_object_set (probe, "label", "b", nullptr);
  EXPECT_EQ (2, label.count ());
  EXPECT_STREQ ("b", lm_probe_get_label (probe));
  lm_probe_set_label (probe, nullptr);
  EXPECT_EQ (3, label.count ());
  EXPECT_EQ (nullptr, lm_probe_get_label (probe));
}

TEST_F (Toolkit, EveryCallNotifiesAlsoForTheSameValue)
{
  NotifyCounter payload (probe, "payload");
  lm_probe_set_payload (probe, "x");
  lm_probe_set_payload (probe, "x");
  g_object_set (probe, "payload", "x", nullptr);
  EXPECT_EQ (3, payload.count ());
  /* Handing back the held text itself must not read freed memory. */
  lm_probe_set_payload (probe, lm_probe_get_payload (probe));
  EXPECT_STREQ ("x", lm_probe_get_payload (probe));
  EXPECT_EQ (4, payload.count ());
}

TEST_F (Toolkit, NarrowFieldsKeepTheLowBitsOfTheWiderProperty)
{
  g_object_set (probe, "narrow", 70000, nullptr);
  EXPECT_EQ (4464, lm_probe_get_narrow (probe));
  gint read = 0;
  g_object_get (probe, "narrow", &read, nullptr);
  EXPECT_EQ (4464, read);
  g_object_set (probe, "narrow", -1, nullptr);
  EXPECT_EQ (-1, lm_probe_get_narrow (probe));
  g_object_set (probe, "narrow", 65536 + 32768, nullptr);
  EXPECT_EQ (-32768, lm_probe_get_narrow (probe));

  /* 70000 and 4464 are the same stored value: no second notification. */
  NotifyCounter narrow (probe, "narrow");
  g_object_set (probe, "narrow", 4464, nullptr);
  g_object_set (probe, "narrow", 70000, nullptr);
  EXPECT_EQ (1, narrow.count ());
}

TEST_F (Toolkit, ObjectFieldsHoldAReference)
{
  GObject *first = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
  Watch first_watch (first);
  NotifyCounter model (probe, "model"), list (probe, "list");

  lm_probe_set_model (probe, first);
  lm_probe_set_model (probe, first);
  g_object_set (probe, "model", first, nullptr);
  EXPECT_EQ (1, model.count ()) << "the same object again does nothing";
  lm_probe_set_list (probe, first);
  lm_probe_set_list (probe, first);
  EXPECT_EQ (2, list.count ()) << "list setters notify on every call";

  g_object_unref (first);
  EXPECT_FALSE (first_watch.finalized ());
  GObject *read = nullptr;
  g_object_get (probe, "model", &read, nullptr);
  EXPECT_EQ (first, read);
  g_object_unref (read);

  lm_probe_set_model (probe, nullptr);
  EXPECT_EQ (2, model.count ());
  EXPECT_FALSE (first_watch.finalized ());
  lm_probe_set_list (probe, nullptr);
  EXPECT_TRUE (first_watch.finalized ());
}

TEST_F (Toolkit, BoxedFieldsHoldAReference)
{
  GBytes *bytes = g_bytes_new ("ab", 2);
  g_object_set (probe, "bytes", bytes, nullptr);
  g_bytes_unref (bytes);
  GBytes *read = nullptr;
  g_object_get (probe, "bytes", &read, nullptr);
  EXPECT_EQ (bytes, read) << "boxed reference-counted fields are shared, not copied";
  g_bytes_unref (read);
}

TEST_F (Toolkit, FinalizeDestroysThePrivateState)
{
  int before = LmProbePrivate::alive;
  GObject *held = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
  Watch held_watch (held);
  LmProbe *other = static_cast<LmProbe *> (g_object_new (lm_probe_get_type (), nullptr));
  EXPECT_EQ (before + 1, LmProbePrivate::alive);
  lm_probe_set_model (other, held);
  lm_probe_set_label (other, "freed with the object");
  g_object_unref (held);
  g_object_unref (other);
  EXPECT_EQ (before, LmProbePrivate::alive);
  EXPECT_TRUE (held_watch.finalized ());
}

TEST_F (Toolkit, StampedAccessorsCheckTheirObject)
{
  EXPECT_EQ (nullptr, lm_probe_get_label (nullptr));
  expect_critical ("lm_probe_get_label: assertion 'self != NULL' failed");
  lm_probe_set_narrow (nullptr, 3);
  expect_critical ("lm_probe_set_narrow: assertion 'self != NULL' failed");
  g_autoptr (GObject) stranger = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
  EXPECT_EQ (nullptr, lm_probe_get_model ((LmProbe *) stranger));
  expect_critical ("lm_probe_get_model: assertion 'LM_IS_PROBE (self)' failed");
  lm_probe_set_label ((LmProbe *) stranger, "x");
  expect_critical ("lm_probe_set_label: assertion 'LM_IS_PROBE (self)' failed");
}

TEST_F (Toolkit, OwnedListsHoldTheirElements)
{
  g_autoptr (GeeArrayList) list = lm::object_list (G_TYPE_OBJECT);
  GObject *item = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
  Watch watch (item);
  lm::append_take (list, item);
  lm::append (list, item);
  EXPECT_EQ (2, lm::size (list));
  EXPECT_EQ (0, lm::index_of_identity (list, item));
  EXPECT_EQ (-1, lm::index_of_identity (list, probe));
  gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (list));
  EXPECT_TRUE (watch.finalized ());

  g_autoptr (GeeArrayList) strings = lm::string_list ();
  char text[] = "copied";
  lm::append (strings, text);
  text[0] = 'X';
  EXPECT_STREQ ("copied", static_cast<const char *> (lm::at (strings, 0)));
}

LM_GETTER_NAMED (lm_probe, LmProbe, LM_IS_PROBE, short, narrow, gint16, 0)

TEST_F (Toolkit, NamedGetterReadsItsField)
{
  lm_probe_set_narrow (probe, 12);
  EXPECT_EQ (12, lm_probe_get_short (probe));
  EXPECT_EQ (0, lm_probe_get_short (nullptr));
  expect_critical ("lm_probe_get_short: assertion 'self != NULL' failed");
}

TEST_F (Toolkit, LocalZoneFollowsTz)
{
  lmtest::SavedZone saved;
  g_setenv ("TZ", "Asia/Tokyo", TRUE);
  g_autoptr (GTimeZone) tokyo = lm::local_zone ();
  g_setenv ("TZ", "America/New_York", TRUE);
  g_autoptr (GTimeZone) new_york = lm::local_zone ();
  g_autoptr (GDateTime) winter = g_date_time_new_utc (2024, 1, 15, 12, 0, 0);
  gint interval_tokyo = g_time_zone_find_interval (tokyo, G_TIME_TYPE_UNIVERSAL, g_date_time_to_unix (winter));
  gint interval_ny = g_time_zone_find_interval (new_york, G_TIME_TYPE_UNIVERSAL, g_date_time_to_unix (winter));
  EXPECT_EQ (9 * 3600, g_time_zone_get_offset (tokyo, interval_tokyo));
  EXPECT_EQ (-5 * 3600, g_time_zone_get_offset (new_york, interval_ny)) << "a change of TZ is followed at once";

  g_autoptr (GDateTime) epoch = lm::from_unix_local (0);
  EXPECT_EQ (19, g_date_time_get_hour (epoch));
  g_autoptr (GDateTime) midnight = lm::new_local (2024, 3, 5, 0, 0, 0);
  EXPECT_EQ (-5 * 3600, g_date_time_get_utc_offset (midnight) / G_USEC_PER_SEC);
}
