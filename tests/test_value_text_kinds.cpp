/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Values held as the server's text: enumerations, flags, sets, geometry
 * and geography. */

#include <locale.h>

#include <string>
#include <vector>

#include "tests/support.h"

using lmtest::clone;
using lmtest::NotifyCounter;
using lmtest::render;
using lmtest::take_string;
using lmtest::Watch;

namespace {

class TextKinds : public lmtest::Test {};

/* An enumeration class of a caller's own that records what initialize is
 * handed and chains up. */
struct TestColour {
  TavrelModelDataValueEnum parent_instance;
};
struct TestColourClass {
  TavrelModelDataValueEnumClass parent_class;
};
G_DEFINE_TYPE (TestColour, test_colour, TAVREL_MODEL_DATA_TYPE_VALUE_ENUM)

std::vector<std::string> seen_members;

static void
test_colour_initialize (TavrelModelDataValueEnum *self, const gchar *const *values, gint count)
{
  for (gint i = 0; i < count; i++)
    seen_members.emplace_back (values[i]);
  TAVREL_MODEL_DATA_VALUE_ENUM_CLASS (test_colour_parent_class)->initialize (self, values, count);
}

static void
test_colour_class_init (TestColourClass *klass)
{
  TAVREL_MODEL_DATA_VALUE_ENUM_CLASS (klass)->initialize = test_colour_initialize;
}

static void
test_colour_init (TestColour *)
{
}

}  // namespace

TEST_F (TextKinds, EnumeratedValuesRenderTheirText)
{
  g_autoptr (TavrelModelDataValueEnum) colour = tavrel_model_data_value_enum_new ("red");
  auto *value = TAVREL_MODEL_DATA_VALUE_OBJECT (colour);
  EXPECT_EQ ("red", render (colour));
  EXPECT_EQ ("TavrelModelDataValueEnum => red", take_string (tavrel_model_data_value_object_dump (value)));
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (value, &out);
  ASSERT_TRUE (G_VALUE_HOLDS_STRING (&out));
  EXPECT_STREQ ("red", g_value_get_string (&out));

  /* Flags and sets are not split: the text is the value. */
  g_autoptr (TavrelModelDataValueSet) set = tavrel_model_data_value_set_new ("a,b");
  g_autoptr (TavrelModelDataValueFlags) flags = tavrel_model_data_value_flags_new ("READ|WRITE");
  EXPECT_EQ ("a,b", render (set));
  EXPECT_STREQ ("a,b", tavrel_model_data_value_enum_get_itsvalue (TAVREL_MODEL_DATA_VALUE_ENUM (set)));
  EXPECT_EQ ("READ|WRITE", render (flags));

  struct {
    gpointer value;
    const char *name;
    TavrelModelDataDataType kind;
  } const kinds[] = {
      {colour, "enum", TAVREL_MODEL_DATA_DATA_TYPE_ENUM},
      {flags, "flags", TAVREL_MODEL_DATA_DATA_TYPE_FLAGS},
      {set, "set", TAVREL_MODEL_DATA_DATA_TYPE_SET},
  };
  for (const auto &k : kinds) {
    g_autofree gchar *name = nullptr;
    g_autofree gchar *itsvalue = nullptr;
    TavrelModelDataDataType kind = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
    g_object_get (k.value, "name", &name, "data-type", &kind, "itsvalue", &itsvalue, nullptr);
    EXPECT_STREQ (k.name, name);
    EXPECT_EQ (k.kind, kind);
    EXPECT_EQ (k.kind, tavrel_model_data_ivalue_get_data_type (TAVREL_MODEL_DATA_IVALUE (k.value)));
    EXPECT_EQ (render (k.value), itsvalue);
  }
}

TEST_F (TextKinds, InitializeGoesThroughTheClassOperation)
{
  g_autoptr (TavrelModelDataValueEnum) colour =
      tavrel_model_data_value_enum_construct (test_colour_get_type (), "red");
  ASSERT_NE (nullptr, colour);
  seen_members.clear ();
  const gchar *members[] = {"x", "y", "never read"};
  tavrel_model_data_value_enum_initialize (colour, members, 2);
  tavrel_model_data_value_enum_initialize (colour, members, 1);
  EXPECT_EQ ((std::vector<std::string> {"x", "y", "x"}), seen_members);

  /* The members do not constrain the text. */
  tavrel_model_data_value_enum_set_itsvalue (colour, "z");
  EXPECT_EQ ("z", render (colour));

  /* Nothing to append: no call, no complaint, also without an array. */
  seen_members.clear ();
  tavrel_model_data_value_enum_initialize (colour, nullptr, 0);
  tavrel_model_data_value_enum_initialize (colour, members, -3);
  EXPECT_TRUE (seen_members.empty ());

  /* A short array is refused before anything is appended. */
  const gchar *short_array[] = {"x", nullptr};
  tavrel_model_data_value_enum_initialize (colour, short_array, 2);
  expect_critical ("tavrel_model_data_value_enum_initialize: assertion 'values[i] != NULL' failed");
  tavrel_model_data_value_enum_initialize (colour, nullptr, 2);
  expect_critical ("tavrel_model_data_value_enum_initialize: assertion 'values != NULL || count < 1' failed");
  tavrel_model_data_value_enum_initialize (nullptr, members, 1);
  expect_critical ("tavrel_model_data_value_enum_initialize: assertion 'self != NULL' failed");
  EXPECT_TRUE (seen_members.empty ());

  /* The copy of a caller's subclass is a plain enumeration value with the
   * text and none of the members. */
  g_autoptr (TavrelModelDataValueObject) copy = clone (colour);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_ENUM, G_OBJECT_TYPE (copy));
  EXPECT_EQ ("z", render (copy));

  /* The library's own classes append and keep their members until
   * finalized (the sanitizer build checks they are freed). */
  g_autoptr (TavrelModelDataValueSet) set = tavrel_model_data_value_set_new ("a");
  tavrel_model_data_value_enum_initialize (TAVREL_MODEL_DATA_VALUE_ENUM (set), members, 3);
  g_autoptr (TavrelModelDataValueObject) set_copy = clone (set);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_SET, G_OBJECT_TYPE (set_copy));
  EXPECT_EQ ("a", render (set_copy));
}

TEST_F (TextKinds, ClearedEnumeratedTexts)
{
  g_autoptr (TavrelModelDataValueEnum) colour = tavrel_model_data_value_enum_new ("red");
  NotifyCounter notified (colour, "itsvalue");
  tavrel_model_data_value_enum_set_itsvalue (colour, "red");
  g_object_set (colour, "itsvalue", "red", nullptr);
  tavrel_model_data_value_enum_set_itsvalue (colour, nullptr);
  EXPECT_EQ (3, notified.count ()) << "every call notifies";

  EXPECT_EQ (nullptr, tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (colour)));
  expect_critical ("tavrel_model_data_value_object_to_string: assertion 'itsvalue != NULL' failed");
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (TAVREL_MODEL_DATA_VALUE_OBJECT (colour), &out);
  EXPECT_EQ (nullptr, g_value_get_string (&out));

  g_autoptr (TavrelModelDataValueFlags) flags = tavrel_model_data_value_flags_new ("a");
  g_autoptr (TavrelModelDataValueSet) set = tavrel_model_data_value_set_new ("a");
  tavrel_model_data_value_enum_set_itsvalue (TAVREL_MODEL_DATA_VALUE_ENUM (flags), nullptr);
  tavrel_model_data_value_enum_set_itsvalue (TAVREL_MODEL_DATA_VALUE_ENUM (set), nullptr);
  EXPECT_EQ (nullptr, clone (colour));
  expect_critical ("tavrel_model_data_value_enum_new: assertion 'enum_value != NULL' failed");
  EXPECT_EQ (nullptr, clone (flags));
  expect_critical ("tavrel_model_data_value_flags_new: assertion 'flag_value != NULL' failed");
  EXPECT_EQ (nullptr, clone (set));
  expect_critical ("tavrel_model_data_value_set_new: assertion 'set_value != NULL' failed");
}

TEST_F (TextKinds, ConstructorsRefuseNullTexts)
{
  EXPECT_EQ (nullptr, tavrel_model_data_value_enum_new (nullptr));
  expect_critical ("tavrel_model_data_value_enum_new: assertion 'enum_value != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_enum_construct (TAVREL_MODEL_DATA_TYPE_VALUE_ENUM, nullptr));
  expect_critical ("tavrel_model_data_value_enum_construct: assertion 'enum_value != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_flags_construct (TAVREL_MODEL_DATA_TYPE_VALUE_FLAGS, nullptr));
  expect_critical ("tavrel_model_data_value_flags_construct: assertion 'flag_value != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_set_construct (TAVREL_MODEL_DATA_TYPE_VALUE_SET, nullptr));
  expect_critical ("tavrel_model_data_value_set_construct: assertion 'set_value != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_geometry_new (nullptr));
  expect_critical ("tavrel_model_data_value_geometry_new: assertion 'value != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_geography_construct (TAVREL_MODEL_DATA_TYPE_VALUE_GEOGRAPHY, nullptr));
  expect_critical ("tavrel_model_data_value_geography_construct: assertion 'value != NULL' failed");

  /* A sibling class is not a subclass. */
  EXPECT_EQ (nullptr, tavrel_model_data_value_flags_construct (TAVREL_MODEL_DATA_TYPE_VALUE_SET, "a"));
  expect_critical ("tavrel_model_data_value_flags_construct: assertion 'g_type_is_a (object_type, "
                   "TAVREL_MODEL_DATA_TYPE_VALUE_FLAGS)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_value_geography_construct (TAVREL_MODEL_DATA_TYPE_VALUE_GEOMETRY, "a"));
  expect_critical ("tavrel_model_data_value_geography_construct: assertion 'g_type_is_a (object_type, "
                   "TAVREL_MODEL_DATA_TYPE_VALUE_GEOGRAPHY)' failed");

  EXPECT_EQ (nullptr, tavrel_model_data_value_enum_get_itsvalue (nullptr));
  expect_critical ("tavrel_model_data_value_enum_get_itsvalue: assertion 'self != NULL' failed");
  g_autoptr (TavrelModelDataValueGeometry) shape = tavrel_model_data_value_geometry_new ("POINT(1 2)");
  tavrel_model_data_value_enum_set_itsvalue ((TavrelModelDataValueEnum *) shape, "red");
  expect_critical ("tavrel_model_data_value_enum_set_itsvalue: assertion 'TAVREL_MODEL_DATA_IS_VALUE_ENUM (self)' failed");
  EXPECT_STREQ ("POINT(1 2)", tavrel_model_data_value_geometry_get_itsvalue (shape));
}

TEST_F (TextKinds, SpatialTextsAreKeptAsGiven)
{
  g_autoptr (TavrelModelDataValueGeometry) shape = tavrel_model_data_value_geometry_new ("POINT(1 2)");
  auto *value = TAVREL_MODEL_DATA_VALUE_OBJECT (shape);
  EXPECT_EQ ("POINT(1 2)", render (shape));
  EXPECT_EQ ("TavrelModelDataValueGeometry => POINT(1 2)", take_string (tavrel_model_data_value_object_dump (value)));
  EXPECT_STREQ ("geometry", tavrel_model_data_value_object_get_name (value));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_GEOMETRY, tavrel_model_data_value_object_get_data_type (value));
  g_auto (GValue) out = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (value, &out);
  EXPECT_STREQ ("POINT(1 2)", g_value_get_string (&out));

  g_autoptr (TavrelModelDataValueGeography) place = tavrel_model_data_value_geography_new ("52.52, 13.405");
  g_autofree gchar *name = nullptr;
  TavrelModelDataDataType kind = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  g_object_get (place, "name", &name, "data-type", &kind, nullptr);
  EXPECT_STREQ ("geography", name);
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_GEOGRAPHY, kind);
  g_autoptr (TavrelModelDataValueObject) place_copy = clone (place);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_GEOGRAPHY, G_OBJECT_TYPE (place_copy));
  EXPECT_EQ ("52.52, 13.405", render (place_copy));

  /* An object made without a constructor holds the empty text. */
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (TAVREL_MODEL_DATA_TYPE_VALUE_GEOMETRY, nullptr));
  EXPECT_STREQ ("", tavrel_model_data_value_geometry_get_itsvalue (TAVREL_MODEL_DATA_VALUE_GEOMETRY (bare)));

  /* A cleared text renders as null without complaint, but cannot be copied. */
  NotifyCounter notified (shape, "itsvalue");
  tavrel_model_data_value_geometry_set_itsvalue (shape, "POINT(1 2)");
  tavrel_model_data_value_geometry_set_itsvalue (shape, nullptr);
  EXPECT_EQ (2, notified.count ());
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_to_string (value));
  EXPECT_EQ (nullptr, clone (shape));
  expect_critical ("tavrel_model_data_value_geometry_new: assertion 'value != NULL' failed");
}

TEST_F (TextKinds, GeographyCoordinates)
{
  struct {
    const char *text;
    double latitude, longitude;
  } const cases[] = {
      {"52.52, 13.405", 52.52, 13.405},
      {"52.52,13.405", 52.52, 13.405},
      {"-33.87, 151.21", -33.87, 151.21},
      {"52.52, -13.405", 52.52, -13.405},
      {"-0.5,\t-0.25", -0.5, -0.25},
      {"SRID=4326;\n10.5,\n  20.25 more", 10.5, 20.25},
      {"1.2.3, 4", 1.2, 4.0},
      {"POINT(13.4 52.5)", 0.0, 0.0},
      {"lat 1.5, lon 2.5", 0.0, 0.0},
      {"52.52 ,13.405", 0.0, 0.0},
      {"", 0.0, 0.0},
      /* Not UTF-8: no pair, however plain the digits after the break. */
      {"\xff\xfe 1.5,2", 0.0, 0.0},
      {"1.5,2\xed\xa0\x80", 0.0, 0.0},
      {"\xc0\xaf" "1,2", 0.0, 0.0},
  };
  /* The numbers are read the same in a comma-decimal locale. */
  g_autofree gchar *saved_locale = g_strdup (setlocale (LC_ALL, nullptr));
  bool german = setlocale (LC_ALL, "de_DE.UTF-8") != nullptr;
  for (int pass = 0; pass < (german ? 2 : 1); pass++) {
    if (pass == 0)
      setlocale (LC_ALL, "C");
    else
      setlocale (LC_ALL, "de_DE.UTF-8");
    for (const auto &c : cases) {
      g_autoptr (TavrelModelDataValueGeography) place = tavrel_model_data_value_geography_new (c.text);
      EXPECT_DOUBLE_EQ (c.latitude, tavrel_model_data_value_geography_latitude (place)) << c.text;
      EXPECT_DOUBLE_EQ (c.longitude, tavrel_model_data_value_geography_longitude (place)) << c.text;
    }
  }
  setlocale (LC_ALL, saved_locale);

  /* No text, no position: 0.0 and no complaint. */
  g_autoptr (TavrelModelDataValueGeography) cleared = tavrel_model_data_value_geography_new ("1, 2");
  tavrel_model_data_value_geometry_set_itsvalue (TAVREL_MODEL_DATA_VALUE_GEOMETRY (cleared), nullptr);
  EXPECT_EQ (0.0, tavrel_model_data_value_geography_latitude (cleared));
  EXPECT_EQ (0.0, tavrel_model_data_value_geography_longitude (cleared));

  EXPECT_EQ (0.0, tavrel_model_data_value_geography_latitude (nullptr));
  expect_critical ("tavrel_model_data_value_geography_latitude: assertion 'self != NULL' failed");
  g_autoptr (TavrelModelDataValueGeometry) shape = tavrel_model_data_value_geometry_new ("1, 2");
  EXPECT_EQ (0.0, tavrel_model_data_value_geography_longitude ((TavrelModelDataValueGeography *) shape));
  expect_critical (
      "tavrel_model_data_value_geography_longitude: assertion 'TAVREL_MODEL_DATA_IS_VALUE_GEOGRAPHY (self)' failed");
}

TEST_F (TextKinds, ReleasingTheLastReferenceFinalizes)
{
  TavrelModelDataValueEnum *colour = tavrel_model_data_value_enum_new ("red");
  const gchar *members[] = {"red", "green"};
  tavrel_model_data_value_enum_initialize (colour, members, 2);
  TavrelModelDataValueObject *copy = clone (colour);
  TavrelModelDataValueGeography *place = tavrel_model_data_value_geography_new ("1, 2");
  Watch colour_watch (colour), copy_watch (copy), place_watch (place);
  g_object_unref (colour);
  EXPECT_TRUE (colour_watch.finalized ());
  EXPECT_FALSE (copy_watch.finalized ());
  g_object_unref (copy);
  g_object_unref (place);
  EXPECT_TRUE (copy_watch.finalized ());
  EXPECT_TRUE (place_watch.finalized ());
}
