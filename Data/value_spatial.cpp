/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Spatial data held as the text the server sent: geometry and geography
 * are not parsed when a value is built, since a grid only shows them.  A
 * geography value can still read a "latitude, longitude" pair out of its
 * text on demand.
 */

#include "Data/value_object.h"

#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

/* ---- ValueGeometry ------------------------------------------------------- */

struct TavrelModelDataValueGeometryPrivate {
  lm::String itsvalue {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueGeometry, tavrel_model_data_value_geometry,
                            TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueGeometry, tavrel_model_data_value_geometry,
                   TavrelModelDataValueGeometryPrivate)

using GeometryPriv = TavrelModelDataValueGeometryPrivate;

/* Class operations run on instances of the class or a subclass only. */
static inline const char *
text_of (gpointer self)
{
  return lm::priv (static_cast<TavrelModelDataValueGeometry *> (self))->itsvalue.get ();
}

template <class T>
static T *
spatial_build (GType object_type, const char *text)
{
  T *self = lm::value::instantiate<T> (object_type);
  lm::priv (reinterpret_cast<TavrelModelDataValueGeometry *> (self))->itsvalue.set (text);
  return self;
}

static TavrelModelDataValueObject *
as_value (gpointer value)
{
  return static_cast<TavrelModelDataValueObject *> (value);
}

static constexpr lm::Property value_geometry_properties[] = {
    lm::value::name_property,
    lm::field<&GeometryPriv::itsvalue> (
        [] { return g_param_spec_string ("itsvalue", nullptr, nullptr, nullptr, lm::RW); }, lm::Notify::EVERY_CALL),
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_geometry_class_init (TavrelModelDataValueGeometryClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_geometry_finalize;
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    g_value_init (result, G_TYPE_STRING);
    g_value_set_string (result, text_of (self));
  };
  value_klass->to_string = [] (TavrelModelDataValueObject *self) { return g_strdup (text_of (self)); };
  /* Through the constructor, which refuses a cleared text. */
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_geometry_new (text_of (self)));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "geometry"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_GEOMETRY; };
  lm::install_properties<value_geometry_properties> (G_OBJECT_CLASS (klass));
}

extern "C" TavrelModelDataValueGeometry *
tavrel_model_data_value_geometry_new (const gchar *value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (value != NULL, NULL);
  return tavrel_model_data_value_geometry_construct (TAVREL_MODEL_DATA_TYPE_VALUE_GEOMETRY, value);
}

extern "C" TavrelModelDataValueGeometry *
tavrel_model_data_value_geometry_construct (GType object_type, const gchar *value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (value != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_GEOMETRY), NULL);
  return spatial_build<TavrelModelDataValueGeometry> (object_type, value);
}

#define SELF tavrel_model_data_value_geometry, TavrelModelDataValueGeometry, TAVREL_MODEL_DATA_IS_VALUE_GEOMETRY
LM_ACCESSORS (SELF, itsvalue, const gchar *, NULL)
#undef SELF

/* ---- ValueGeography ------------------------------------------------------ */

G_DEFINE_TYPE (TavrelModelDataValueGeography, tavrel_model_data_value_geography,
               TAVREL_MODEL_DATA_TYPE_VALUE_GEOMETRY)

static constexpr lm::Property value_geography_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_geography_class_init (TavrelModelDataValueGeographyClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_geography_new (text_of (self)));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "geography"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_GEOGRAPHY; };
  lm::install_properties<value_geography_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_geography_init (TavrelModelDataValueGeography *)
{
}

extern "C" TavrelModelDataValueGeography *
tavrel_model_data_value_geography_new (const gchar *value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (value != NULL, NULL);
  return tavrel_model_data_value_geography_construct (TAVREL_MODEL_DATA_TYPE_VALUE_GEOGRAPHY, value);
}

extern "C" TavrelModelDataValueGeography *
tavrel_model_data_value_geography_construct (GType object_type, const gchar *value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (value != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_GEOGRAPHY), NULL);
  return spatial_build<TavrelModelDataValueGeography> (object_type, value);
}

/*
 * The first "number, number" stretch anywhere in the text: the first number
 * is the latitude, the second the longitude, each with its sign (southern
 * latitudes and western longitudes are negative).  The second number must
 * follow the comma and any blanks directly.  The expression is constant, so
 * it is compiled once for the process, and optimized, which halves the
 * time of a match; a GRegex is immutable and may be matched from any
 * thread.
 */
static GRegex *
coordinate_pattern ()
{
  static GRegex *const pattern =
      g_regex_new ("(?<left>-?[\\d\\.]+),\\s*(?<right>-?[\\d\\.]+)",
                   GRegexCompileFlags (G_REGEX_MULTILINE | G_REGEX_OPTIMIZE), GRegexMatchFlags (0), nullptr);
  return pattern;
}

/* A text without a pair, an empty one or a cleared one gives 0.0: such a
 * value has no position, which is no error of the caller's. */
static gdouble
coordinate (TavrelModelDataValueGeography *self, const char *group)
{
  const char *text = text_of (self);
  if (!text || !*text)
    return 0.0;
  /* An optimized pattern is matched without GLib's UTF-8 check, and
   * matching a broken text would read past its characters: such a text
   * has no pair, as it would have without the optimization. */
  if (!g_utf8_validate (text, -1, nullptr))
    return 0.0;
  g_autoptr (GMatchInfo) match = nullptr;
  if (!g_regex_match (coordinate_pattern (), text, GRegexMatchFlags (0), &match))
    return 0.0;
  g_autofree gchar *number = g_match_info_fetch_named (match, group);
  /* The longest valid prefix, whatever the locale: "1.2.3" reads 1.2. */
  return number ? g_ascii_strtod (number, nullptr) : 0.0;
}

extern "C" gdouble
tavrel_model_data_value_geography_latitude (TavrelModelDataValueGeography *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, 0.0);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_GEOGRAPHY (self), 0.0);
  return coordinate (self, "left");
}

extern "C" gdouble
tavrel_model_data_value_geography_longitude (TavrelModelDataValueGeography *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, 0.0);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_GEOGRAPHY (self), 0.0);
  return coordinate (self, "right");
}
