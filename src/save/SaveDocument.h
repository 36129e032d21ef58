// The one loaded save: the whole file as bytes, its path, the header flag and the decoded records
// of the player and the fifteen companions; loading, locating, saving. Dialogs and message boxes
// go through ISaveHost, reports to the editor screen through ISaveScreen.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "CharacterRecord.h"
#include "FileIo.h"
#include "SaveHost.h"
#include "SaveParse.h"

inline constexpr std::wstring_view SAVE_FILE_FILTER = L"M&B存档 (*.sav)|*.sav||";

class CSaveDocument
{
public:
    CSaveDocument() = default;
    CSaveDocument(const CSaveDocument&) = delete;
    CSaveDocument& operator=(const CSaveDocument&) = delete;

    // The Load command: asks the host for a file and loads it.
    void LoadSave();
    // Loads the file at `path` (what LoadSave does once a file is chosen).
    bool LoadSaveFile(const std::filesystem::path& path);
    // Loads a save from bytes already in memory, read from `path` when it had `stamp`. All or
    // nothing: a refused save leaves the loaded one, its records and the screen as they were.
    bool LoadSaveBytes(const std::filesystem::path& path, std::vector<uint8_t> bytes, const CFileStamp& stamp = {});

    void SaveDocument();
    void SaveDocumentAs();
    // Writes the header flag and every located character into m_data (the in-memory half of a save).
    void EncodeSave();

    bool IsLoaded() const { return !m_path.empty(); }

    std::filesystem::path m_path; // empty: no save loaded
    int32_t m_size = 0;
    std::vector<uint8_t> m_data;
    int32_t m_flagOffset = 0;
    ISaveScreen* m_screen = nullptr; // not owned; null: reports go nowhere
    CCharacterRecord* m_current = &m_player;
    CCharacterRecord m_player;
    std::array<CCharacterRecord, COMPANION_SLOTS> m_companions;
    int32_t m_companionCount = 0;
    bool m_headerFlag = false;
    ISaveHost* m_host = nullptr; // not owned; null: no dialogs, messages go nowhere
    bool m_makeBackups = true;    // copy a file to FILE.bak before its first overwrite after a load

private:
    // Checks the overwrite of `target`, makes its backup, hands over the screen's edits, encodes
    // and writes m_data there; false when nothing was written.
    bool WriteSave(const std::filesystem::path& target);
    bool MayOverwrite(const std::filesystem::path& target);
    bool BackUp(const std::filesystem::path& target);
    void ShowMessage(std::wstring_view message);

    CFileStamp m_savedStamp; // m_path as this program last read or wrote it
    std::vector<std::filesystem::path> m_backedUp; // files backed up since the load
};
