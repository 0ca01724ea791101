/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A proxy configuration: whether a proxy is used, its kind as an opaque
 * number, where it is and the credentials for it.  A plain record the
 * client fills and persists.
 */

#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

struct TavrelModelSettingNetworkSettingPrivate {
  bool proxy_using = false;
  guint32 proxy_type = 0;
  lm::String proxy_host {""};
  /* A port is 16 bits and GLib has no 16-bit property type: the property
   * takes the whole unsigned 32-bit range and the field keeps the low bits. */
  guint16 proxy_port = 8080;
  lm::String proxy_username {""};
  lm::String proxy_password {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelSettingNetworkSetting, tavrel_model_setting_network_setting, G_TYPE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelSettingNetworkSetting, tavrel_model_setting_network_setting,
                   TavrelModelSettingNetworkSettingPrivate)

using P = TavrelModelSettingNetworkSettingPrivate;

/* The declared defaults of the strings are null; an instance starts from
 * the private defaults above. */
static constexpr lm::Property network_properties[] = {
    lm::field<&P::proxy_using> (
        [] { return g_param_spec_boolean ("proxy-using", nullptr, nullptr, FALSE, lm::RW); }),
    lm::field<&P::proxy_type> (
        [] { return g_param_spec_uint ("proxy-type", nullptr, nullptr, 0, G_MAXUINT32, 0, lm::RW); }),
    lm::field<&P::proxy_host> (
        [] { return g_param_spec_string ("proxy-host", nullptr, nullptr, nullptr, lm::RW); }),
    lm::field<&P::proxy_port> (
        [] { return g_param_spec_uint ("proxy-port", nullptr, nullptr, 0, G_MAXUINT32, 8080, lm::RW); }),
    lm::field<&P::proxy_username> (
        [] { return g_param_spec_string ("proxy-username", nullptr, nullptr, nullptr, lm::RW); }),
    lm::field<&P::proxy_password> (
        [] { return g_param_spec_string ("proxy-password", nullptr, nullptr, nullptr, lm::RW); }),
};

static void
tavrel_model_setting_network_setting_class_init (TavrelModelSettingNetworkSettingClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_setting_network_setting_finalize;
  lm::install_properties<network_properties> (G_OBJECT_CLASS (klass));
}

extern "C" TavrelModelSettingNetworkSetting *
tavrel_model_setting_network_setting_new (void) noexcept
{
  return tavrel_model_setting_network_setting_construct (TAVREL_MODEL_SETTING_TYPE_NETWORK_SETTING);
}

extern "C" TavrelModelSettingNetworkSetting *
tavrel_model_setting_network_setting_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_SETTING_TYPE_NETWORK_SETTING), NULL);
  return static_cast<TavrelModelSettingNetworkSetting *> (g_object_new (object_type, nullptr));
}

#define SELF tavrel_model_setting_network_setting, TavrelModelSettingNetworkSetting, \
             TAVREL_MODEL_SETTING_IS_NETWORK_SETTING
LM_ACCESSORS (SELF, proxy_using, gboolean, FALSE)
LM_ACCESSORS (SELF, proxy_type, guint32, 0)
LM_ACCESSORS (SELF, proxy_host, const gchar *, NULL)
LM_ACCESSORS (SELF, proxy_port, guint16, 0)
LM_ACCESSORS (SELF, proxy_username, const gchar *, NULL)
LM_ACCESSORS (SELF, proxy_password, const gchar *, NULL)
#undef SELF
