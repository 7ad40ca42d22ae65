#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// Errors inside the record store's calls are never shown to the user: they are written to the
// debug output as "_com_issue_error(<code>)\n" and processing goes on.

// HRESULT-style codes the layer reports itself.
constexpr long kErrorInvalidArgument = static_cast<int32_t>(0x80070057);
constexpr long kErrorOutOfMemory = static_cast<int32_t>(0x8007000E);
constexpr long kErrorTypeMismatch = static_cast<int32_t>(0x80020005);
constexpr long kErrorBadIndex = static_cast<int32_t>(0x8002000B);
// A statement the database server refused or could not run.
constexpr long kErrorServer = static_cast<int32_t>(0x80004005);

void ComIssueError(long code);

// Redirects the error text (tests capture it); an empty function restores the debug output.
void SetComIssueErrorSink(std::function<void(const QString&)> sink);
