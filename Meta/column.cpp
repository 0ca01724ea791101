/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * One column of a table or view: its position, its value kind beside the
 * type text the database spells, sizes, flags, default and generation
 * expressions and its part in the primary key.  Every text is dialect text
 * kept as the caller gives it; the library interprets none of it.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaColumnPrivate {
  guint16 ordinal = 0;
  lm::String alias {""};
  lm::String after {""};
  lm::String raw_type {""};
  TavrelModelDataDataType data_type = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  gint64 length = 0;
  guint8 scale = 0;
  guint8 dimension = 0;
  bool is_unsigned = false;
  bool auto_increment = false;
  guint64 auto_increment_seed = 0;
  lm::String identity {""};
  lm::String default_value {""};
  lm::String virtual_type {""};
  lm::String expression {""};
  bool not_null = false;
  bool is_selected = false;
  bool is_virtual = false;
  bool is_user_defined = false;
  bool is_primary_key = false;
  guint8 primary_ordinal = 0;
  guint64 primary_length = 0;
  guint8 primary_order = 0;
  lm::String conflict {""};
  lm::String charset {""};
  lm::String collation {""};
  lm::String enum_values {""};
  bool is_binary = false;
  bool is_fill_zero = false;
  bool update_timestamp = false;
  bool is_generated_always = false;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaColumn, tavrel_model_meta_meta_column, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaColumn, tavrel_model_meta_meta_column, TavrelModelMetaMetaColumnPrivate)

using P = TavrelModelMetaMetaColumnPrivate;

static constexpr lm::Property column_properties[] = {
    /* 16 bits stored behind a 32-bit property: a wider number keeps its
     * low bits. */
    lm::field<&P::ordinal> (
        [] { return g_param_spec_uint ("ordinal", nullptr, nullptr, 0, G_MAXUINT32, 0, lm::RW); }),
    LM_META_STRING (alias, "alias"),
    LM_META_STRING (after, "after"),
    LM_META_STRING (raw_type, "raw-type"),
    lm::field<&P::data_type> ([] {
      return g_param_spec_enum ("data-type", nullptr, nullptr, TAVREL_MODEL_DATA_TYPE_DATA_TYPE,
                                TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, lm::RW);
    }),
    LM_META_INT64 (length, "length"),
    LM_META_UINT8 (scale, "scale"),
    LM_META_UINT8 (dimension, "dimension"),
    LM_META_BOOLEAN (is_unsigned, "is-unsigned", FALSE),
    LM_META_BOOLEAN (auto_increment, "auto-increment", FALSE),
    LM_META_UINT64 (auto_increment_seed, "auto-increment-seed"),
    LM_META_STRING (identity, "identity"),
    LM_META_STRING (default_value, "default-value"),
    LM_META_STRING (virtual_type, "virtual-type"),
    LM_META_STRING (expression, "expression"),
    LM_META_BOOLEAN (not_null, "not-null", FALSE),
    LM_META_BOOLEAN (is_selected, "is-selected", FALSE),
    LM_META_BOOLEAN (is_virtual, "is-virtual", FALSE),
    LM_META_BOOLEAN (is_user_defined, "is-user-defined", FALSE),
    LM_META_BOOLEAN (is_primary_key, "is-primary-key", FALSE),
    LM_META_UINT8 (primary_ordinal, "primary-ordinal"),
    LM_META_UINT64 (primary_length, "primary-length"),
    LM_META_UINT8 (primary_order, "primary-order"),
    LM_META_STRING (conflict, "conflict"),
    LM_META_STRING (charset, "charset"),
    LM_META_STRING (collation, "collation"),
    LM_META_STRING (enum_values, "enum-values"),
    LM_META_BOOLEAN (is_binary, "is-binary", FALSE),
    LM_META_BOOLEAN (is_fill_zero, "is-fill-zero", FALSE),
    LM_META_BOOLEAN (update_timestamp, "update-timestamp", FALSE),
    LM_META_BOOLEAN (is_generated_always, "is-generated-always", FALSE),
};

static void
tavrel_model_meta_meta_column_class_init (TavrelModelMetaMetaColumnClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_column_finalize;
  LM_META_CHARACTER (klass, COLUMN);
  lm::install_properties<column_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_column, TavrelModelMetaMetaColumn, TAVREL_MODEL_META_TYPE_META_COLUMN)

extern "C" TavrelModelMetaMetaColumn *
tavrel_model_meta_meta_column_new_with_type (const gchar *name, TavrelModelDataDataType data_type,
                                             const gchar *native_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (name != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (native_type != NULL, NULL);
  return tavrel_model_meta_meta_column_construct_with_type (TAVREL_MODEL_META_TYPE_META_COLUMN, name, data_type,
                                                            native_type);
}

extern "C" TavrelModelMetaMetaColumn *
tavrel_model_meta_meta_column_construct_with_type (GType object_type, const gchar *name,
                                                   TavrelModelDataDataType data_type,
                                                   const gchar *native_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (name != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (native_type != NULL, NULL);
  LM_META_CHECK_TYPE (TAVREL_MODEL_META_TYPE_META_COLUMN);
  auto *self = lm::meta::instantiate<TavrelModelMetaMetaColumn> (object_type);
  tavrel_model_meta_meta_object_set_name (TAVREL_MODEL_META_META_OBJECT (self), name);
  lm::assign<&P::data_type> (self, data_type);
  lm::assign<&P::raw_type> (self, native_type);
  return self;
}

#define SELF tavrel_model_meta_meta_column, TavrelModelMetaMetaColumn, TAVREL_MODEL_META_IS_META_COLUMN
LM_ACCESSORS (SELF, ordinal, guint16, 0)
LM_ACCESSORS (SELF, alias, const gchar *, NULL)
LM_ACCESSORS (SELF, after, const gchar *, NULL)
LM_ACCESSORS (SELF, raw_type, const gchar *, NULL)
LM_ACCESSORS (SELF, data_type, TavrelModelDataDataType, TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN)
LM_ACCESSORS (SELF, length, gint64, 0)
LM_ACCESSORS (SELF, scale, guint8, 0)
LM_ACCESSORS (SELF, dimension, guint8, 0)
LM_ACCESSORS (SELF, is_unsigned, gboolean, FALSE)
LM_ACCESSORS (SELF, auto_increment, gboolean, FALSE)
LM_ACCESSORS (SELF, auto_increment_seed, guint64, 0)
LM_ACCESSORS (SELF, identity, const gchar *, NULL)
LM_ACCESSORS (SELF, default_value, const gchar *, NULL)
LM_ACCESSORS (SELF, virtual_type, const gchar *, NULL)
LM_ACCESSORS (SELF, expression, const gchar *, NULL)
LM_ACCESSORS (SELF, not_null, gboolean, FALSE)
LM_ACCESSORS (SELF, is_selected, gboolean, FALSE)
LM_ACCESSORS (SELF, is_virtual, gboolean, FALSE)
LM_ACCESSORS (SELF, is_user_defined, gboolean, FALSE)
LM_ACCESSORS (SELF, is_primary_key, gboolean, FALSE)
LM_ACCESSORS (SELF, primary_ordinal, guint8, 0)
LM_ACCESSORS (SELF, primary_length, guint64, 0)
LM_ACCESSORS (SELF, primary_order, guint8, 0)
LM_ACCESSORS (SELF, conflict, const gchar *, NULL)
LM_ACCESSORS (SELF, charset, const gchar *, NULL)
LM_ACCESSORS (SELF, collation, const gchar *, NULL)
LM_ACCESSORS (SELF, enum_values, const gchar *, NULL)
LM_ACCESSORS (SELF, is_binary, gboolean, FALSE)
LM_ACCESSORS (SELF, is_fill_zero, gboolean, FALSE)
LM_ACCESSORS (SELF, update_timestamp, gboolean, FALSE)
LM_ACCESSORS (SELF, is_generated_always, gboolean, FALSE)
#undef SELF
