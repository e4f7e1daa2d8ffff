#pragma once
#include "AutomationObject.h"
#include "Korvix32_h.h"

namespace kx {

// kxDisk: a stateless set of operations on programs, paths, drives and files.
class KxDisk : public AutomationObject<_kxDisk> {
public:
    STDMETHODIMP ShellProgramWait(BSTR* cmdline, VARIANT_BOOL* WaitForCompeleted, VARIANT_BOOL* Locked,
                                  LONG* Result) override;
    STDMETHODIMP ExtractFileName(BSTR* FullFileName, BSTR* Path, BSTR* FileName, BSTR* EXT, LONG* Result) override;
    STDMETHODIMP GetDrive(BSTR* DriveStr, kxDriveType* Result) override;
    STDMETHODIMP ShellProgram(BSTR* FileName, BSTR* mParameter, BSTR* mWorkingDir, kxProgramRun* mWindowMode,
                              BSTR* mOpretion, VARIANT_BOOL* WaitForCompeleted, VARIANT_BOOL* Locked) override;
    STDMETHODIMP CDDoor(VARIANT_BOOL* OpenDoor) override;
    STDMETHODIMP MakeRecycleBinEmpty(BSTR Drive, VARIANT_BOOL* NoConfirmation, VARIANT_BOOL* NoProgress,
                                     VARIANT_BOOL* NoSound) override;
    STDMETHODIMP DiskSize(BSTR* Drive, float* DiskSizeInByte, float* DiskSizeInUnit, BSTR* DiskSizeUnit,
                          float* DiskFreeSizeInByte, float* DiskFreeSizeInUnit, BSTR* DiskFreeSizeUnit) override;
    STDMETHODIMP FileExists(BSTR* sSource, VARIANT_BOOL* Result) override;
    STDMETHODIMP FormatDrive(BSTR* Drive, LONG* Result) override;
    STDMETHODIMP MapDrive() override;
    STDMETHODIMP FileCopy(BSTR* Source, BSTR* Target, VARIANT_BOOL* Overwrite, VARIANT_BOOL* Result) override;
    STDMETHODIMP FileMove(BSTR* Source, BSTR* Target, VARIANT_BOOL* Result) override;
    STDMETHODIMP FileOperation(BSTR* Source, BSTR* Target, kxFileOperation* FileOper, kxFileOperationFlag* Flag,
                               VARIANT_BOOL* Result) override;
    STDMETHODIMP ChangeCurDir(BSTR Path) override;
};

// What FormatDrive gives when the format was recorded instead of run: the platform's
// "cancelled" (SHFMT_CANCEL), since no drive was formatted.
constexpr long kFormatRecordedResult = -2;

}  // namespace kx
