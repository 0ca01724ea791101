/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The description of one column of tabular data: name, display title, the
 * kind of its values and a declared size.
 */

#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

struct TavrelModelDataColumnModelPrivate {
  lm::String name;
  lm::String title;
  TavrelModelDataDataType data_type = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  gsize data_size = 0;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataColumnModel, tavrel_model_data_column_model, G_TYPE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataColumnModel, tavrel_model_data_column_model, TavrelModelDataColumnModelPrivate)

using P = TavrelModelDataColumnModelPrivate;

static constexpr lm::Property column_properties[] = {
    lm::field<&P::name> ([] { return g_param_spec_string ("name", nullptr, nullptr, nullptr, lm::RW_CONSTRUCT); }),
    lm::field<&P::title> ([] { return g_param_spec_string ("title", nullptr, nullptr, nullptr, lm::RW_CONSTRUCT); }),
    lm::field<&P::data_type> ([] {
      return g_param_spec_enum ("data-type", nullptr, nullptr, TAVREL_MODEL_DATA_TYPE_DATA_TYPE,
                                TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, lm::RW_CONSTRUCT);
    }),
    lm::field<&P::data_size> (
        [] { return g_param_spec_ulong ("data-size", nullptr, nullptr, 0, G_MAXULONG, 0, lm::RW_CONSTRUCT); }),
};

static void
tavrel_model_data_column_model_class_init (TavrelModelDataColumnModelClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_column_model_finalize;
  lm::install_properties<column_properties> (G_OBJECT_CLASS (klass));
}

/* Constructors set the state directly: the property system has already
 * assigned every default while the object was created. */
static TavrelModelDataColumnModel *
column_build (GType object_type, const gchar *name, TavrelModelDataDataType data_type, gsize data_size)
{
  auto *self = static_cast<TavrelModelDataColumnModel *> (g_object_new (object_type, nullptr));
  P *p = lm::priv (self);
  p->name.set (name);
  p->data_type = data_type;
  p->data_size = data_size;
  return self;
}

#define CHECK_TYPE() \
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL), NULL)

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_new (void) noexcept
{
  return tavrel_model_data_column_model_construct (TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL);
}

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_construct (GType object_type) noexcept
{
  CHECK_TYPE ();
  return column_build (object_type, "", TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, 0);
}

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_new_with_type (TavrelModelDataDataType data_type) noexcept
{
  return tavrel_model_data_column_model_construct_with_type (TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL, data_type);
}

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_construct_with_type (GType object_type, TavrelModelDataDataType data_type) noexcept
{
  CHECK_TYPE ();
  return column_build (object_type, "", data_type, 0);
}

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_new_full (const gchar *column_name, TavrelModelDataDataType data_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (column_name != NULL, NULL);
  return tavrel_model_data_column_model_construct_full (TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL, column_name, data_type);
}

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_construct_full (GType object_type, const gchar *column_name,
                                               TavrelModelDataDataType data_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (column_name != NULL, NULL);
  CHECK_TYPE ();
  return column_build (object_type, column_name, data_type, 0);
}

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_new_full_size (const gchar *column_name, TavrelModelDataDataType data_type,
                                              gsize data_size) noexcept
{
  LM_RETURN_VAL_IF_FAIL (column_name != NULL, NULL);
  return tavrel_model_data_column_model_construct_full_size (TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL, column_name,
                                                             data_type, data_size);
}

extern "C" TavrelModelDataColumnModel *
tavrel_model_data_column_model_construct_full_size (GType object_type, const gchar *column_name,
                                                    TavrelModelDataDataType data_type, gsize data_size) noexcept
{
  LM_RETURN_VAL_IF_FAIL (column_name != NULL, NULL);
  CHECK_TYPE ();
  return column_build (object_type, column_name, data_type, data_size);
}

#undef CHECK_TYPE

#define SELF tavrel_model_data_column_model, TavrelModelDataColumnModel, TAVREL_MODEL_DATA_IS_COLUMN_MODEL
LM_ACCESSORS (SELF, name, const gchar *, NULL)
LM_ACCESSORS (SELF, title, const gchar *, NULL)
LM_ACCESSORS (SELF, data_type, TavrelModelDataDataType, TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN)
LM_ACCESSORS (SELF, data_size, gsize, 0)
#undef SELF
