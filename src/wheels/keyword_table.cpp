// The texts of the Keywords browser: our own keyword paragraphs, each with
// its fixed opening words and length, and the fixed short lines.
#include "wheels/keywords.h"

namespace halcyra {

constexpr std::array<KeywordTopic, KeywordTopicCount> KeywordTopics = {{
    // planets
    {"Sun", KeywordKind::Planet,
     "Your ego, the inner you, the will to live and shine. It shows where you seek to be "
     "recognized, how you spend your vital energies and the way you take charge of your own "
     "life. Pride, purpose, creative power and the father figure.",
     "Best quality: Rulership",
     "Worst quality: Dictativeness",
     "Thought series: Power"},
    {"Moon", KeywordKind::Planet,
     "Your emotional responses based on habit and early conditioning. It shows what makes you "
     "feel secure, how you nurture others and wish to be nurtured, your moods, instincts and "
     "daily rhythms. It describes the mother, the home, bodily needs and the public at large, "
     "which reacts rather than reasons.",
     "Best quality: Adaptability",
     "Worst quality: Inconstancy",
     "Thought series: Domestic"},
    {"Mercury", KeywordKind::Planet,
     "Your capacity to collect, sort, connect and pass on information. It rules the reasoning "
     "mind, speech, writing, trade, short trips, study and the nerves that carry messages.",
     "Best quality: Expression",
     "Worst quality: Restlessness",
     "Thought series: Intellectual"},
    {"Venus", KeywordKind::Planet,
     "Your capacity to attract and value. It shows what you love and find beautiful, how you "
     "relate to a partner, your sense of harmony, art and pleasure, and the way you handle "
     "money and the small comforts you enjoy.",
     "Best quality: Affection",
     "Worst quality: Pliancy (bending too easily, taking the easy way out)",
     "Thought series: Social"},
    {"Mars", KeywordKind::Planet,
     "Your desires and aspirations for action. It shows how you assert yourself, compete, "
     "fight and go after what you want: drive, courage, anger, bodily energy and sexuality.",
     "Best quality: Initiative",
     "Worst quality: Harshness",
     "Thought series: Aggressive"},
    {"Jupiter", KeywordKind::Planet,
     "The urge for self-improvement through growth and wider understanding. It shows where you"
     " expand, where opportunity and good fortune come, your faith, generosity, optimism, and "
     "the risk of excess when you take on too much.",
     "Best quality: Benevolence (kindness)",
     "Worst quality: Conceit",
     "Thought series: Religious"},
    {"Saturn", KeywordKind::Planet,
     "Your ability to find your limits and to work within them. It brings discipline, "
     "patience, duty and structure, the lessons learned through delay and hard effort, your "
     "fears and burdens, and the lasting rewards of persistence.",
     "Best quality: System and organization",
     "Worst quality: Selfishness",
     "Thought series: Safety"},
    {"Uranus", KeywordKind::Planet,
     "The unconscious urge to become free of whatever confines you. It breaks old patterns "
     "abruptly and without warning, bringing change, invention, rebellion and sudden insight. "
     "It shows where you need independence, where you go your own way and where life surprises"
     " you. It rules technology, groups and all reform.",
     "Best quality: Originality",
     "Worst quality: Eccentricity",
     "Thought series: Individualistic"},
    {"Neptune", KeywordKind::Planet,
     "The unconscious urge to dissolve the boundaries between yourself and something greater. "
     "It brings imagination, compassion, inspiration and spiritual longing, but also "
     "confusion, illusion, escape and deceit. It shows where you idealize, where you "
     "sacrifice, and where things are not what they seem. It rules dreams, music, film and the"
     " sea.",
     "Best quality: Idealism",
     "Worst quality: Vagueness",
     "Thought series: Utopian"},
    {"Pluto", KeywordKind::Planet,
     "The unconscious urge to transform through endings and rebirth. It works slowly and "
     "deeply, exposing what is hidden and forcing change within. It shows where you meet "
     "power, crisis, obsession, loss and renewal: what must die to live.",
     "Best quality: Spirituality",
     "Worst quality: Inversion (turning things upside down)",
     "Thought series: Universal welfare"},
    // elements and qualities
    {"Fire", KeywordKind::Plain,
     "Inspiration, spiritual power, impulse, drive, vitality, enthusiasm, courage, warmth, "
     "impatience. Aries, Leo, Sagittarius."},
    {"Earth", KeywordKind::Plain,
     "Practicality, materialism, values, objective activity. Reliability."},
    {"Air", KeywordKind::Plain,
     "Intellectual and social inclinations, communication, thought, logic, detachment. Gemini,"
     " Libra, Aquarius."},
    {"Water", KeywordKind::Plain,
     "Emotions, spiritual and psychic qualities, feelings, intuition, sympathy. Cancer, "
     "Scorpio, Pisces."},
    {"Cardinal", KeywordKind::Plain,
     "Initiates action, forceful activity, concerned with the present moment, quick to begin "
     "and slow to finish."},
    {"Fixed", KeywordKind::Plain,
     "Determined, persistent, stable, stubborn, slow to change, loyal, holds on to what it "
     "has, concerned with the future, resists outside pressure."},
    {"Common", KeywordKind::Plain,
     "Flexible, adaptable, uses lessons from the past, changeable, restless, versatile, "
     "helpful. Gemini, Virgo, Sagittarius, Pisces."},
    // houses
    {"1st house", KeywordKind::Plain,
     "Self-awareness, physical body, personality, personal appearance, first impression, how "
     "you meet the world, vigor."},
    {"2nd house", KeywordKind::Plain,
     "Money and possessions, values, hidden talents, earning power, self-worth, goods."},
    {"3rd house", KeywordKind::Plain,
     "Community, relatives, neighbors, short journeys, siblings, early schooling, letters, "
     "speech, daily news."},
    {"4th house", KeywordKind::Plain,
     "The home (the one you were raised in and the one you make), roots, family, a parent, "
     "land, property, private life, the end of all matters."},
    {"5th house", KeywordKind::Plain,
     "Pursuit of pleasure, personal interests, creativity, children, romance, love affairs, "
     "sport, speculation, hobbies, fun, amusement, holidays and all forms of self-expression."},
    {"6th house", KeywordKind::Plain,
     "Work, service, diet, clothes, physical health, employees, pets, daily routine, habit."},
    {"7th house", KeywordKind::Plain,
     "Marriage, partnerships, open enemies, contracts, lawsuits, deals, partners in business, "
     "the public eye."},
    {"8th house", KeywordKind::Plain,
     "Regeneration, death, taxes, inheritances, sexual union, shared resources, other people's"
     " money, debts, insurance, the occult, deep research, crisis and lasting transformation."},
    {"9th house", KeywordKind::Plain,
     "Philosophy, religion, law, higher education, long journeys, foreign lands and people, "
     "publishing, beliefs, the higher mind, in-laws, dreams and prophecies."},
    {"10th house", KeywordKind::Plain,
     "Profession, mother, reputation, honors, standing in the community, career, ambition, "
     "authority, the employer, public life, fame and the goals you achieve."},
    {"11th house", KeywordKind::Plain,
     "Friends, hopes, goals, ambitions, wishes, dreams, groups, clubs, societies, causes, "
     "benefactors, the money earned by your career."},
    {"12th house", KeywordKind::Plain,
     "Hidden enemies, self-undoing, limitations, frustration, secrets, confinement, hospitals,"
     " jails, retreat, the unconscious, past karma, hidden strengths, charity, sorrow, self-"
     "sacrifice, what you hide from others and from yourself."},
    // signs
    {"Aries", KeywordKind::Sign,
     "you need to grow and assert yourself by starting things. Act boldly, take the lead and "
     "learn to finish whatever you begin.",
     "Best quality: Leadership",
     "Worst quality: Officiousness (minding other people's business, meddling)",
     "Thought series: Egotistical"},
    {"Taurus", KeywordKind::Sign,
     "you need to learn a steady practical use of your resources, to build slowly and then to "
     "enjoy what you have made.",
     "Best quality: Stability",
     "Worst quality: Obstinacy",
     "Thought series: Possessive"},
    {"Gemini", KeywordKind::Sign,
     "you need to obtain a broad range of knowledge and to share it freely: talk, write, "
     "learn, ask many questions and make new links.",
     "Best quality: Versatility",
     "Worst quality: Changeableness",
     "Thought series: Thought"},
    {"Cancer", KeywordKind::Sign,
     "you need growth through instruction in feeling and caring. You look for security, a home"
     " and people to protect, and you learn to nurture others without clinging to them or to "
     "the past.",
     "Best quality: Tenacity",
     "Worst quality: Touchiness",
     "Thought series: Feeling"},
    {"Leo", KeywordKind::Sign,
     "you feel a need for self-expression and recognition. You yearn to create, to play, to "
     "love, and to be admired, and you learn to lead with a generous heart rather than to "
     "demand attention.",
     "Best quality: Kindness",
     "Worst quality: Domination",
     "Thought series: Will"},
    {"Virgo", KeywordKind::Sign,
     "you need to separate the useful from the useless, to analyze, to improve, to serve. You "
     "learn through work, health and detail, and must take care not to criticize more than you"
     " help.",
     "Best quality: Analysis",
     "Worst quality: Criticism",
     "Thought series: Analytical"},
    {"Libra", KeywordKind::Sign,
     "you have been 'out of balance' and seek harmony through others. You need partnership, "
     "fairness and grace, and you learn to weigh both sides and to choose without losing "
     "yourself in them.",
     "Best quality: Affability",
     "Worst quality: Approbation (always needing approval)",
     "Thought series: Equilibrium"},
    {"Scorpio", KeywordKind::Sign,
     "there is an emotional need to probe below the surface and to transform. You seek depth "
     "and intensity in shared resources, intimacy and hidden matters, and you learn to let go "
     "of your control.",
     "Best quality: Resourcefulness",
     "Worst quality: Troublesomeness",
     "Thought series: Desire"},
    {"Sagittarius", KeywordKind::Sign,
     "you need to expand your horizons by travel, study, philosophy and belief. You search for"
     " meaning and truth, and you learn to aim high while keeping your promises and respecting"
     " the views of others.",
     "Best quality: Loyalty",
     "Worst quality: Sportiveness",
     "Thought series: Comprehension"},
    {"Capricorn", KeywordKind::Sign,
     "you need respect and recognition for what you achieve. You work with patience, ambition "
     "and a sense of duty toward a lasting goal, and you learn that status earned slowly and "
     "honestly is worth more than a fast climb to the top.",
     "Best quality: Diplomacy",
     "Worst quality: Deceitfulness",
     "Thought series: Utility"},
    {"Aquarius", KeywordKind::Sign,
     "you need to obtain new ideas and freedom through friends, groups and causes you share.",
     "Best quality: Altruism",
     "Worst quality: Argumentation",
     "Thought series: Knowledge"},
    {"Pisces", KeywordKind::Sign,
     "you need to allow your intuition and compassion to guide you. You are sensitive to what "
     "others feel, drawn to service, art and the spiritual, and you learn to keep boundaries "
     "and to face what is real.",
     "Best quality: Sympathy",
     "Worst quality: Worry",
     "Thought series: Belief"},
    // general notes
    {"General 1", KeywordKind::Plain,
     "Astrology is the study of how the cycles of the Sun, Moon and planets correspond with "
     "events and character on Earth. A chart is a map of the sky for a single moment and "
     "place. The planets show what kind of energy is at work, the signs show how it expresses "
     "itself, and the houses show where in life it is felt. Aspects between the planets show "
     "how these energies combine, helping or hindering each other. A chart only describes "
     "tendencies and possibilities; it does not decide what you will make of them all."},
    {"General 2", KeywordKind::Plain,
     "The Law of Consequence, 'Ye shall reap what ye sow', runs through astrology. What you "
     "did before shapes the circumstances you meet now, and what you do now shapes what you "
     "will meet later. Difficult aspects show where old debts fall due and where effort is "
     "needed; easy aspects show gifts already earned. Neither is a punishment nor a reward "
     "handed out at random: both are the fruits of earlier choices. Knowing the pattern lets "
     "you choose your response, and your response is what sows the next harvest."},
    {"General 3", KeywordKind::Plain,
     "Astrology consists of 3 factors: the planets, the signs and the houses. The planets are "
     "the actors, the forces at work in a life. The signs are the roles they play, coloring "
     "every force with a manner of its own. The houses are the stages, the areas of life in "
     "which the action takes place. Read a chart by asking of each planet what it is, how it "
     "acts and where, and then how aspects join the actors into one story."},
    {"Symbolism", KeywordKind::Plain,
     "Think of the planets as the verbs of a sentence, the signs as the adverbs and the houses"
     " as the nouns. Mars in Gemini in the third house might read: to act (Mars) quickly and "
     "with many words (Gemini) among brothers, sisters and neighbors (third house). Each "
     "symbol has many levels, from the physical to the spiritual, and the same placement can "
     "show itself in an event, a person, or a state of mind. Let the symbols speak to each "
     "other and look for the themes that keep returning, instead of reading each alone."},
    {"Aspects", KeywordKind::Aspects, ""},
}};

constexpr std::array<std::array<std::string_view, KeywordColumns>, KeywordRows> KeywordGrid = {{
    {"Sun", "Aries", "1st house", "Fire"},
    {"Moon", "Taurus", "2nd house", "Earth"},
    {"Mercury", "Gemini", "3rd house", "Air"},
    {"Venus", "Cancer", "4th house", "Water"},
    {"Mars", "Leo", "5th house", ""},
    {"Jupiter", "Virgo", "6th house", "Cardinal"},
    {"Saturn", "Libra", "7th house", "Fixed"},
    {"Uranus", "Scorpio", "8th house", "Common"},
    {"Neptune", "Sagittarius", "9th house", ""},
    {"Pluto", "Capricorn", "10th house", "General 1"},
    {"Aspects", "Aquarius", "11th house", "General 2"},
    {"Symbolism", "Pisces", "12th house", "General 3"},
}};

// The blanks line the pairs up in the message box's proportional font.
constexpr std::array<std::string_view, 5> KeywordAspectLines = {
    "Conjunction    =  Prominence      Semi-sextile =  Growth",
    "Sextile            =  Opportunity       Square         =  Obstacle",
    "Trine               =  Luck                 Quincunx     =  Expansion",
    "Semi-square   =  Friction              Opposition   =  Separation",
    "Sesquisquare =  Agitation            Parallel        =  Intensity",
};

}  // namespace halcyra
