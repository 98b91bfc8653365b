// Stand-in for the Google Maps library in the page tests: the objects and calls the map page
// uses, keeping their state where the tests can read it back. Calls the page's callback as the
// real loader does.
(function () {
  function LatLng(lat, lng) { this._lat = lat; this._lng = lng; }
  LatLng.prototype.lat = function () { return this._lat; };
  LatLng.prototype.lng = function () { return this._lng; };

  function MVCArray() { this._a = []; }
  MVCArray.prototype.push = function (x) { return this._a.push(x); };
  MVCArray.prototype.removeAt = function (i) { return this._a.splice(i, 1)[0]; };
  MVCArray.prototype.clear = function () { this._a.length = 0; };
  MVCArray.prototype.getLength = function () { return this._a.length; };
  MVCArray.prototype.getAt = function (i) { return this._a[i]; };
  MVCArray.prototype.getArray = function () { return this._a; };

  function Map(element, options) {
    this.element = element;
    this._center = options.center;
    this.zoom = options.zoom;
    this.mapTypeId = options.mapTypeId;
  }
  Map.prototype.setCenter = function (p) { this._center = p; };
  Map.prototype.getCenter = function () { return this._center; };

  function Marker(options) {
    this._position = options.position;
    this.map = options.map;
    this.icon = options.icon;
  }
  Marker.prototype.setPosition = function (p) { this._position = p; };
  Marker.prototype.getPosition = function () { return this._position; };

  function Polyline(options) { this.options = options; this._path = new MVCArray(); this.map = null; }
  Polyline.prototype.getPath = function () { return this._path; };
  Polyline.prototype.setPath = function (points) {
    this._path = new MVCArray();
    for (var i = 0; i < points.length; i++)
      this._path.push(points[i]);
  };
  Polyline.prototype.setMap = function (map) { this.map = map; };

  window.google = { maps: { LatLng: LatLng, MVCArray: MVCArray, Map: Map, Marker: Marker,
                            Polyline: Polyline, MapTypeId: { ROADMAP: "roadmap" } } };

  var m = /[?&]callback=([A-Za-z_$][\w$]*)/.exec(document.currentScript.src);
  if (m && typeof window[m[1]] === "function")
    window[m[1]]();
})();
