// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/AddedTexts.h"

#include "platform/IniFile.h"

struct AddedTexts::Impl {
    brv::IniFile ini;
    std::string section;
};

AddedTexts::AddedTexts(const std::string& languageFileName, int32_t language)
    : AddedTexts(brv::IniFile(languageFileName), language)
{
}

AddedTexts::AddedTexts(brv::IniFile languageFile, int32_t language)
    : impl_(std::make_unique<Impl>(Impl{std::move(languageFile), {}}))
{
    impl_->section = impl_->ini.ReadString("LANGUAGE", std::to_string(language), "");
}

const brv::IniFile& AddedTexts::File() const { return impl_->ini; }

AddedTexts::~AddedTexts() = default;
AddedTexts::AddedTexts(AddedTexts&&) noexcept = default;
AddedTexts& AddedTexts::operator=(AddedTexts&&) noexcept = default;

std::string AddedTexts::Text(std::string_view key, std::string_view english) const
{
    if (impl_->section.empty())
        return std::string(english);
    std::string value = impl_->ini.ReadString(impl_->section, key, "");
    return value.empty() ? std::string(english) : value;
}
