#pragma once
// Script failures. A failure travels as a C++ exception: the happy path pays nothing for it, and
// On Error Resume Next catches it at the statement boundary.
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

// VBScript's own error numbers (the ones the engine raises itself).
enum ErrorNumber : int {
    errInvalidCall = 5,
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errArrayLocked = 10,
    errDivByZero = 11,
    errTypeMismatch = 13,
    errOutOfStack = 28,
    errSubNotDefined = 35,
    errBadFileName = 52,
    errFileNotFound = 53,
    errBadFileMode = 54,
    errFileExists = 58,
    errPastEnd = 62,
    errPermissionDenied = 70,
    errPathNotFound = 76,
    errObjectNotSet = 91,
    errInvalidNull = 94,
    errCantCreateObject = 429,
    errObjectRequired = 424,
    errNoSuchMember = 438,
    errWrongArgCount = 450,
    errNotCollection = 451,
    errDuplicateKey = 457,
    errUnsupportedType = 458,
    errVariableUndefined = 500,
    errIllegalAssignment = 501,
    errUnqualifiedReference = 505,
    errRegexSyntax = 5017,
    errRegexQuantifier = 5018,  // a quantifier with nothing to repeat
    errRegexBracket = 5019,     // an unclosed [
    errRegexParen = 5020,       // an unclosed (
    errRegexRange = 5021,       // [z-a]
    errKeyNotFound = 32811,
    errTimedOut = -2147467260,  // E_ABORT: the host stopped the script
    errSyntax = 1002,
    errNameRedefined = 1041,
};

// The description VBScript gives an error number ("Unknown runtime error" for numbers it lacks).
std::u16string_view errorDescription(int number);

// A procedure an error passed through and the line running there; a recursion at one line is one
// site seen several times.
struct CallSite {
    std::u16string procedure;  // "Reply", "Brain.Think", "Property Get Brain.Mood"; "" for the top level
    int line = 0;
    int times = 1;
};

struct ScriptError {
    int number = 0;
    std::u16string description;
    std::u16string source;  // "Microsoft VBScript runtime error", "Microsoft VBScript compilation error", or Err.Raise's
    int line = 0;            // 1-based position in the script; 0 until the engine knows it
    int column = 0;
    std::u16string lineText;
    std::u16string helpFile;  // from Err.Raise; runtime errors have none
    int helpContext = 0;
    bool named = false;       // description ends with ": 'name'", which the report shows and Err does not
    // Innermost first. Only an error that no On Error Resume Next catches gets it.
    std::vector<CallSite> chain;
};

// What the user is shown: "file(line, column) runtime error N: description", then the context.
std::u16string formatError(const ScriptError& e, std::u16string_view file);
// The source line with a caret under the column and the procedures the error happened in, one line
// each; "" when there is neither.
std::u16string errorContext(const ScriptError& e);

// Raises error `number` with its standard description.
[[noreturn]] void raise(int number);
[[noreturn]] void raise(int number, std::u16string_view description);

}  // namespace vbs
