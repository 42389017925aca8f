#include "app/menu_tree.h"

#include <QMenu>
#include <QMenuBar>

namespace {

enum Flag : unsigned {
    Plain = 0,
    Submenu = 1u << 0,
    Checkable = 1u << 1,
    Checked = 1u << 2,
    Unavailable = 1u << 3,  // shown greyed; cannot be chosen
    Hidden = 1u << 4,
};

struct Entry {
    int depth;  // 0 = menu bar
    const char* name;
    const char* caption;
    unsigned flags;
};

// The category items follow the menu order, not the order of CategoryEnabled.
constexpr Entry Tree[] = {
    {0, "device", "&Input device", Submenu},
    {1, "dev1", "Adapter in COM 1", Checkable | Unavailable},
    {1, "dev2", "Adapter in COM 2", Checkable | Unavailable},
    {1, "dev3", "Adapter in COM 3", Checkable | Unavailable},
    {1, "dev4", "Adapter in COM 4", Checkable | Unavailable},
    {1, "dev5", "Adapter in Joystick (game) port", Checkable | Unavailable},
    {1, "dev6", "Mouse Click", Checkable},
    {1, "dev7", "Keyboard Space Bar", Checkable},
    {1, "pointer_dwell", "Pointer Dwell (Head or Eye Pointer)", Checkable},
    {1, "dwell_time", "Dwell Time", Submenu},
    {2, "dwell_500", "0.5 Seconds", Checkable},
    {2, "dwell_1000", "1 Second", Checkable},
    {2, "dwell_1500", "1.5 Seconds", Checkable},
    {2, "dwell_2000", "2 Seconds", Checkable},
    {2, "dwell_3000", "3 Seconds", Checkable},
    {0, "categories", "Categories", Submenu},
    {1, "animals", "Animals", Checkable},
    {1, "appliances", "Appliances", Checkable},
    {1, "Clothing", "Clothing", Checkable},
    {1, "health", "Health", Checkable},
    {1, "house", "House", Checkable},
    {1, "food", "Food", Checkable},
    {1, "jobs", "Jobs", Checkable},
    {1, "kitchen", "Kitchen", Checkable},
    {1, "outside", "Outside", Checkable},
    {1, "vehicles", "Vehicles", Checkable},
    {0, "move_clip_sequence", "Movie Clip Sequence", Submenu},
    {1, "random_sequence", "Random sequence", Checkable},
    {1, "category_sequence", "Category sequence", Checkable},
    {1, "alphabetical_order", "Alphabetical Order", Checkable},
    {0, "movie_screen_size", "Movie Screen Size", Submenu},
    {1, "normal_screen", "Normal Size", Checkable},
    {1, "mid_screen", "Mid Sized Screen", Checkable},
    {1, "full_screen", "Full Screen", Checkable},
    {0, "flickerbox_setting", "Background", Submenu},
    {1, "tv_set", "TV Set", Checkable},
    {1, "theater", "Movie Theater", Checkable},
    {0, "auditory_prompt", "Auditory Prompt", Submenu},
    {1, "auditory_prompting_off", "Auditory Prompting Off", Checkable},
    {1, "auditory_prompting_on", "Auditor Prompting On", Submenu},
    {2, "auditory_3", "Every 3 Seconds", Checkable},
    {2, "auditory_5", "Every 5 Seconds", Checkable},
    {2, "auditory_7", "Every 7 Seconds", Checkable},
    {2, "auditory_10", "Every 10 Seconds", Checkable},
    {2, "auditory_15", "Every 15 Seconds", Checkable},
    {0, "play_mode", "Play Mode", Submenu},
    {1, "press_and_let_go", "Press and Let Go", Checkable},
    {1, "press_and_hold", "Press and Hold", Checkable},
    {1, "timed_play", "Timed Play", Submenu},
    {2, "timed_2", "2 Seconds per Press", Checkable},
    {2, "timed_3", "3 Seconds per Press", Checkable},
    {2, "timed_5", "5 Seconds per Press", Checkable},
    {2, "timed_10", "10 Seconds per Press", Checkable},
    {2, "timed_15", "15 Seconds per Press", Checkable},
    {2, "timed_30", "30 Seconds per Press", Checkable},
    {1, "several_presses", "Several Presses", Submenu},
    {2, "presses_2", "2 Presses", Checkable},
    {2, "presses_3", "3 Presses", Checkable},
    {2, "presses_4", "4 Presses", Checkable},
    {2, "presses_5", "5 Presses", Checkable},
    {1, "choose_one_of_two", "Choose One of Two", Submenu | Checkable},
    {2, "choose_two_switches", "Two Switches", Checkable},
    {2, "choose_scanning", "Scanning with One Switch", Checkable},
    {2, "choose_step_scanning", "Two-Switch Step Scanning", Checkable},
    {2, "scan_time", "Scan Time", Submenu},
    {3, "scan_1000", "1 Second", Checkable},
    {3, "scan_1500", "1.5 Seconds", Checkable},
    {3, "scan_2000", "2 Seconds", Checkable},
    {3, "scan_3000", "3 Seconds", Checkable},
    {3, "scan_5000", "5 Seconds", Checkable},
    {3, "scan_8000", "8 Seconds", Checkable},
    {0, "installation", "Installation", Submenu | Hidden | Unavailable},
    {1, "run_from_hard_drive", "Play movies from hard drive", Checkable | Hidden | Unavailable},
    {1, "run_from_cd_rom", "Play movies from CD Rom", Unavailable},
    {0, "misc", "Information", Submenu},
    {1, "about", "About", Submenu},
    {2, "fbx_ver", "Flickerbox II Version 4", Plain},
    {1, "info", "Other Key Definitions", Submenu},
    {2, "esc", "<Esc> - returns to main menu", Checkable | Checked},
    {2, "a_or_0", "<a> or <0> - skips to the next film clip", Checkable | Checked},
    {2, "r_or_1", "<r> or <1> - replays the current film clip", Checkable | Checked},
    {1, "users_guide", "Users Guide", Submenu},
    {2, "show_users_guide", "Show User's Guide", Plain},
    {1, "cat_content", "Categories", Submenu},
    {2, "list_clips", "Show Clips by Category", Plain},
};

void apply_flags(QAction* action, const Entry& entry)
{
    action->setObjectName(QLatin1String(entry.name));
    action->setCheckable(entry.flags & Checkable);
    action->setChecked(entry.flags & Checked);
    action->setEnabled(!(entry.flags & Unavailable));
    action->setVisible(!(entry.flags & Hidden));
}

}  // namespace

void build_menu_tree(QMenuBar& bar)
{
    constexpr int MaxDepth = 3;
    QMenu* parents[MaxDepth] = {};  // parents[d] holds the items of depth d + 1
    for (const Entry& entry : Tree) {
        const QString caption = QString::fromLatin1(entry.caption);
        QAction* action = nullptr;
        if (entry.flags & Submenu) {
            QMenu* menu =
                entry.depth == 0 ? bar.addMenu(caption) : parents[entry.depth - 1]->addMenu(caption);
            menu->setObjectName(QLatin1String(entry.name));
            parents[entry.depth] = menu;
            action = menu->menuAction();
        } else {
            action = parents[entry.depth - 1]->addAction(caption);
        }
        apply_flags(action, entry);
    }
}

QAction* menu_action(const QMenuBar& bar, const QString& name)
{
    return bar.findChild<QAction*>(name);
}
