// SPDX-License-Identifier: MIT
// Prints what a screen reader learns through MSAA of every window of ours on the desktop (our
// forms and the message boxes): the window's title, then each child window's client object,
// as "role|name|description|value" in UTF-8, indented by depth.
// Usage: accessibletree
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <oleacc.h>
#include <string>
#include <windows.h>

namespace {

std::string utf8(const wchar_t *text, int length = -1)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
    if (length < 0 && !bytes.empty())
        bytes.pop_back();
    // One line per object.
    for (char &c : bytes) {
        if (c == '\n')
            c = '/';
        else if (c == '\r')
            c = ' ';
    }
    return bytes;
}

std::string roleName(long role)
{
    switch (role) {
    case ROLE_SYSTEM_CLIENT:
        return "client";
    case ROLE_SYSTEM_DIALOG:
        return "dialog";
    case ROLE_SYSTEM_STATICTEXT:
        return "static text";
    case ROLE_SYSTEM_TEXT:
        return "text";
    case ROLE_SYSTEM_PUSHBUTTON:
        return "push button";
    case ROLE_SYSTEM_GRAPHIC:
        return "graphic";
    default:
        return "role " + std::to_string(role);
    }
}

std::string text(IAccessible *object,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR *))
{
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR value = nullptr;
    if (FAILED((object->*get)(self, &value)) || !value)
        return {};
    std::string result = utf8(value, static_cast<int>(SysStringLen(value)));
    SysFreeString(value);
    return result;
}

void describe(HWND window, int depth)
{
    IAccessible *object = nullptr;
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    if (const HRESULT result =
            AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                       reinterpret_cast<void **>(&object));
        FAILED(result)) {
        std::printf("%sno accessible object (0x%08lx)\n", line.c_str(),
                    static_cast<unsigned long>(result));
        return;
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(self, &role);
    line += role.vt == VT_I4 ? roleName(role.lVal) : "?";
    line.append("|").append(text(object, &IAccessible::get_accName));
    line.append("|").append(text(object, &IAccessible::get_accDescription));
    line.append("|").append(text(object, &IAccessible::get_accValue));
    object->Release();
    std::printf("%s\n", line.c_str());
}

// Direct children only, each followed by its own.
void describeChildren(HWND parent, int depth)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        describe(child, depth);
        describeChildren(child, depth + 1);
    }
}

BOOL CALLBACK topLevel(HWND window, LPARAM)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    const std::wstring kind = className;
    if (!IsWindowVisible(window) || (kind != L"VelmoraForm" && kind != L"#32770"))
        return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    std::printf("window|%s\n", utf8(title).c_str());
    describeChildren(window, 1);
    return TRUE;
}

} // namespace

int main()
{
    // Lines end in \n alone, for the shell that reads them.
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitialize(nullptr);
    EnumWindows(topLevel, 0);
    std::fflush(stdout);
    CoUninitialize();
    return 0;
}
