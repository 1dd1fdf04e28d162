// The page's script against its browser floor (window/web/browserslist, as
// BROWSERSLIST_CONFIG names it): syntax no newer than its oldest Safari
// reads, and no interface that one of its browsers lacks.
import compat from "eslint-plugin-compat";

export default [
  {
    files: ["**/*.js"],
    plugins: { compat },
    languageOptions: { ecmaVersion: 2021, sourceType: "script" },
    rules: { "compat/compat": "error" },
  },
];
