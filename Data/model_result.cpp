/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The results that are not tables: an error reported by the server, with
 * its code as text and its message, and a single number (the rows a
 * statement affected).
 */

#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

static void result_init (TavrelModelDataIResultInterface *) {}

/* ---- error results ----------------------------------------------------- */

struct TavrelModelDataInvalidResultPrivate {
  lm::String code;
  lm::String message;
};

G_DEFINE_TYPE_WITH_CODE (TavrelModelDataInvalidResult, tavrel_model_data_invalid_result, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TavrelModelDataInvalidResult)
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_IRESULT, result_init))
LM_DEFINE_PRIVATE (TavrelModelDataInvalidResult, tavrel_model_data_invalid_result, TavrelModelDataInvalidResultPrivate)

static constexpr lm::Property invalid_properties[] = {
    lm::field<&TavrelModelDataInvalidResultPrivate::code> (
        [] { return g_param_spec_string ("code", nullptr, nullptr, nullptr, lm::RW_CONSTRUCT); }),
    lm::field<&TavrelModelDataInvalidResultPrivate::message> (
        [] { return g_param_spec_string ("message", nullptr, nullptr, nullptr, lm::RW_CONSTRUCT); }),
};

static void
tavrel_model_data_invalid_result_class_init (TavrelModelDataInvalidResultClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_invalid_result_finalize;
  lm::install_properties<invalid_properties> (G_OBJECT_CLASS (klass));
}

extern "C" TavrelModelDataInvalidResult *
tavrel_model_data_invalid_result_new (const gchar *error_code, const gchar *error_message) noexcept
{
  LM_RETURN_VAL_IF_FAIL (error_code != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (error_message != NULL, NULL);
  return tavrel_model_data_invalid_result_construct (TAVREL_MODEL_DATA_TYPE_INVALID_RESULT, error_code,
                                                     error_message);
}

extern "C" TavrelModelDataInvalidResult *
tavrel_model_data_invalid_result_construct (GType object_type, const gchar *error_code,
                                            const gchar *error_message) noexcept
{
  LM_RETURN_VAL_IF_FAIL (error_code != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (error_message != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_INVALID_RESULT), NULL);
  auto *self = static_cast<TavrelModelDataInvalidResult *> (g_object_new (object_type, nullptr));
  auto *p = lm::priv (self);
  p->code.set (error_code);
  p->message.set (error_message);
  return self;
}

#define SELF tavrel_model_data_invalid_result, TavrelModelDataInvalidResult, TAVREL_MODEL_DATA_IS_INVALID_RESULT
LM_ACCESSORS (SELF, code, const gchar *, NULL)
LM_ACCESSORS (SELF, message, const gchar *, NULL)
#undef SELF

/* ---- scalar results ---------------------------------------------------- */

struct TavrelModelDataScalarResultPrivate {
  gint32 rows = 0;
};

G_DEFINE_TYPE_WITH_CODE (TavrelModelDataScalarResult, tavrel_model_data_scalar_result, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TavrelModelDataScalarResult)
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_IRESULT, result_init))
LM_DEFINE_PRIVATE (TavrelModelDataScalarResult, tavrel_model_data_scalar_result, TavrelModelDataScalarResultPrivate)

static constexpr lm::Property scalar_properties[] = {
    lm::field<&TavrelModelDataScalarResultPrivate::rows> ([] {
      return g_param_spec_int ("rows", nullptr, nullptr, G_MININT32, G_MAXINT32, 0, lm::RW_CONSTRUCT);
    }),
};

static void
tavrel_model_data_scalar_result_class_init (TavrelModelDataScalarResultClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_scalar_result_finalize;
  lm::install_properties<scalar_properties> (G_OBJECT_CLASS (klass));
}

extern "C" TavrelModelDataScalarResult *
tavrel_model_data_scalar_result_new (gint32 rows) noexcept
{
  return tavrel_model_data_scalar_result_construct (TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT, rows);
}

extern "C" TavrelModelDataScalarResult *
tavrel_model_data_scalar_result_construct (GType object_type, gint32 rows) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT), NULL);
  auto *self = static_cast<TavrelModelDataScalarResult *> (g_object_new (object_type, nullptr));
  lm::priv (self)->rows = rows;
  return self;
}

#define SELF tavrel_model_data_scalar_result, TavrelModelDataScalarResult, TAVREL_MODEL_DATA_IS_SCALAR_RESULT
LM_ACCESSORS (SELF, rows, gint32, 0)
#undef SELF
